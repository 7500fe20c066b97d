// The key reader: waits for one of the nine keys the instructions name.
#include "ui/screen.h"

#include "platform/getch.h"
#include "platform/textout.h"

int getKey() {
    for (;;) {
        int c = _getch();
        if (c == 32 || c == 27 || c == 83 || c == 71 || c == 84)
            return c;
        if (c == 0 || c == 224) {
            // Any prefix: the scan code that follows is an arrow or the
            // whole key is refused, both codes taken.
            c = _getch();
            if (c == 72 || c == 80 || c == 75 || c == 77)
                return c;
        }
        textPut("Invalid key!");
    }
}
