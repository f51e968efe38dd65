/* Resource ids of formulon32, included by its .rc and by its C++ sources. A colour takes
   three consecutive edit boxes: red at the id named here, then green and blue. */
#ifndef FORMULON32_RES_H
#define FORMULON32_RES_H

#define IDB_BUTTON_UNCHANGED_UP 104
#define IDB_BUTTON_UNCHANGED_DOWN 105
#define IDB_BUTTON_INDEPENDENT_UP 106
#define IDB_BUTTON_INDEPENDENT_DOWN 107
#define IDD_PROPERTIES 108
#define IDB_THUMBNAIL 109

#define IDC_BACK_COLOR 1000
#define IDC_TEXT_COLOR 1003
#define IDC_BLACK_BORDER 1006
#define IDC_ENABLED 1007
#define IDC_SHOW_INDEP_VARS 1008
#define IDC_SHOW_FUNCTION_VARS 1009
#define IDC_NUM_EQUATIONS 1010
#define IDC_RADIANS 1011 /* the angle unit's radio buttons: radians, then degrees */
#define IDC_DEGREES 1012

#endif
