// The turn line (row 4), the captured-piece line (row 16), the status
// line (row 23), and the order of piece ids.
#include "console/utilwin32.h"
#include "platform/textout.h"
#include "ui/screen.h"
#include "ui/symbols.h"

namespace {

// 80 spaces from the cursor, in the attribute in force.
void blankLine() {
    for (int i = 0; i < 10; i++)
        textPut("        ");
}

}  // namespace

void prompt(int side) {
    gotoxy(18, 4);
    textPut("next: ");
    // Both words are six columns, so either covers the other.
    unsigned short previous;
    if (side) {
        previous = setTextColor(12);
        textPut("RED   ");
    } else {
        previous = setTextColor(15);
        textPut("BLACK ");
    }
    setTextColor(previous);
    gotoxy(1, 23);
}

void status(const char *message) {
    setTextColor(7);
    gotoxy(1, 23);
    blankLine();
    gotoxy(1, 23);
    textPut(message);
    gotoxy(1, 23);
}

void showDeadPieces(int count, int *dead) {
    // Blanked in whatever attribute is in force; 7 comes with the label.
    gotoxy(1, 16);
    blankLine();
    gotoxy(14, 16);
    setTextColor(7);
    textPut("Dead: ");
    for (int i = 0; i < count; i++) {
        setTextColor(dead[i] > 15 ? 12 : 7);
        textPut(pieceSymbols[dead[i]]);
    }
    gotoxy(1, 23);
}

int compare(const void *a, const void *b) {
    return *(const int *)a - *(const int *)b;
}
