/* Resource ids of keypadix32, included by its .rc and by its C++ sources. The calculator has
   no properties dialog: only the thumbnail and the two keypad pictures. */
#ifndef KEYPADIX32_RES_H
#define KEYPADIX32_RES_H

#define IDB_THUMBNAIL 143
#define IDB_KEYPAD_UP 145   /* every key up */
#define IDB_KEYPAD_DOWN 146 /* every key pressed, the same keypad otherwise */

#endif
