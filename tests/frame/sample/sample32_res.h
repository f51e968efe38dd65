/* Resource ids of the test-only sample32 module. */
#ifndef SAMPLE32_RES_H
#define SAMPLE32_RES_H
#define IDD_PROPERTIES 102
#define IDC_MINIMUM 1000
#define IDC_MAXIMUM 1001
#define IDC_VALUE 1002
#define IDC_BACK_COLOR 1003
#define IDC_FORE_COLOR 1006
#define IDC_STEP 1009
#define IDC_CAPTION 1010
#define IDC_BORDER 1011
#define IDC_HORIZONTAL 1012
#define IDC_VERTICAL 1013
#endif
