/* Resource ids of gridcell32, included by its .rc and by its C++ sources. A colour takes
   three consecutive edit boxes: red at the id named here, then green and blue. The three
   alignment radio buttons are consecutive too: left, right, centre. */
#ifndef GRIDCELL32_RES_H
#define GRIDCELL32_RES_H

#define IDB_THUMBNAIL 101
#define IDD_PROPERTIES 102

#define IDC_MAX_ROWS 1000
#define IDC_MAX_COLS 1001
#define IDC_ROW_HEIGHT 1002
#define IDC_COL_WIDTH 1003
#define IDC_DISPLAY_ROW_HEADERS 1004
#define IDC_DISPLAY_COL_HEADERS 1005
#define IDC_BACK_COLOR 1006
#define IDC_TEXT_COLOR 1009
#define IDC_FONT_NAME 1015
#define IDC_FONT_SIZE 1016
#define IDC_FONT_BOLD 1017
#define IDC_FONT_ITALIC 1018
#define IDC_ALIGN_LEFT 1022
#define IDC_ALIGN_RIGHT 1023
#define IDC_ALIGN_CENTER 1024

#endif
