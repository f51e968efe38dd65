/* Resource ids of tallydisc32, included by its .rc and by its C++ sources. A colour takes
   three consecutive edit boxes: red at the id named here, then green and blue. */
#ifndef TALLYDISC32_RES_H
#define TALLYDISC32_RES_H

#define IDB_THUMBNAIL 101
#define IDD_PROPERTIES 102

#define IDC_DIGITS_LEFT 1000
#define IDC_DIGITS_RIGHT 1001
#define IDC_FORE_COLOR_LEFT 1002
#define IDC_FORE_COLOR_RIGHT 1005
#define IDC_BACK_COLOR_LEFT 1008
#define IDC_BACK_COLOR_RIGHT 1011
#define IDC_VALUE 1014
#define IDC_DIVIDE_COLOR_LEFT 1015
#define IDC_DIVIDE_COLOR_RIGHT 1018

#endif
