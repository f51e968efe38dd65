/* Resource ids of plotmark32, included by its .rc and by its C++ sources. A colour takes
   three consecutive edit boxes: red at the id named here, then green and blue. */
#ifndef PLOTMARK32_RES_H
#define PLOTMARK32_RES_H

#define IDB_THUMBNAIL 101
#define IDD_PROPERTIES 102

#define IDC_BLACK_BORDER 1000
#define IDC_LEFT_MARGIN 1002
#define IDC_TOP_MARGIN 1004
#define IDC_RIGHT_MARGIN 1006
#define IDC_BOTTOM_MARGIN 1008
#define IDC_BACK_COLOR 1009
#define IDC_FORCE_INTEGER_X 1012
#define IDC_X_MINIMUM 1013
#define IDC_DELTA_X 1014
#define IDC_X_TICK_SPACE 1015
#define IDC_FORCE_INTEGER_Y 1016
#define IDC_Y_MINIMUM 1017
#define IDC_DELTA_Y 1018
#define IDC_Y_TICK_SPACE 1019
#define IDC_ORIGIN_IN_AUTO 1020
#define IDC_X_LABEL 1021
#define IDC_Y_LABEL 1022
#define IDC_BLUE_SPACING 1023
#define IDC_MOUSE_CLICK_MODE 1026
#define IDC_MOUSE_MOVE_MODE 1027
#define IDC_SHOW_CURSOR_LINES 1028
#define IDC_TRACE_POSITION 1029
#define IDC_CURRENT_SYMBOL 1030
#define IDC_CURVE_STYLE 1031
#define IDC_LINE_STYLE 1032
#define IDC_SHOW_LINE_HANDLES 1033
#define IDC_UNSELECTED_PEN_STYLE 1034

#endif
