/* Resource ids of dialgauge32, included by its .rc and by its C++ sources. A colour takes
   three consecutive edit boxes: red at the id named here, then green and blue. */
#ifndef DIALGAUGE32_RES_H
#define DIALGAUGE32_RES_H

#define IDB_THUMBNAIL 101
#define IDD_PROPERTIES 102

#define IDC_XMIN 1000
#define IDC_XMAX 1001
#define IDC_BIG_TICK_SPACE 1002
#define IDC_SMALL_TICK_SPACE 1003
#define IDC_TICK_COLOR 1004
#define IDC_SPEED_COLOR 1007
#define IDC_TEXT_COLOR 1010
#define IDC_BACK_COLOR 1013

#endif
