/* Resource ids of glidebar32, included by its .rc and by its C++ sources: the fourteen part
   pictures of the slider ("Up" the normal look, "Down" the pressed look), the cast window
   thumbnail and the properties dialog with its five edit boxes. */
#ifndef GLIDEBAR32_RES_H
#define GLIDEBAR32_RES_H

#define IDB_LEFT_ARROW_DOWN 102
#define IDB_LEFT_ARROW_UP 103
#define IDB_RIGHT_ARROW_DOWN 104
#define IDB_RIGHT_ARROW_UP 105
#define IDB_SLIDER_BAR 106
#define IDB_THUMB_DOWN 107
#define IDB_THUMB_UP 108
#define IDB_THUMBNAIL 109
#define IDD_PROPERTIES 110
#define IDB_DOWN_ARROW_DOWN 111
#define IDB_DOWN_ARROW_UP 112
#define IDB_UP_ARROW_UP 114
#define IDB_VSLIDER_BAR 115
#define IDB_VTHUMB_DOWN 116
#define IDB_VTHUMB_UP 117
#define IDB_UP_ARROW_DOWN 118

#define IDC_XMINIMUM 1003
#define IDC_XMAXIMUM 1004
#define IDC_VALUE 1005
#define IDC_SMALL_STEP 1006
#define IDC_LARGE_STEP 1007

#endif
