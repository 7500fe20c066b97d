// The whole screen in a window that may be too small or resized.
#include <cstdio>

#include "console/utilwin32.h"
#include "platform/textout.h"
#include "platform/window_size.h"
#include "ui/screen.h"

namespace {

void (*drawer)() = nullptr;

// In Chinese and English, the size needed and the size there is.
void showTooSmall(int cols, int rows) {
    setTextColor(7);
    clrscr();
    gotoxy(1, 1);
    textPut("\xB5\xF8\xB5\xA1\xA4\xD3\xA4\x70\xA1\x47\xBB\xDD\xAD\x6E ");  // 視窗太小：需要
    textPrintf("%d x %d", screenCols, screenRows);
    textPut("\xA1\x41\xA5\xD8\xAB\x65 ");  // ，目前
    textPrintf("%d x %d", cols, rows);
    gotoxy(1, 2);
    textPrintf("Window too small: %d x %d needed, %d x %d now", screenCols, screenRows,
               cols, rows);
    textFlush();
}

// The message until the window is large enough, then the screen.
void fitAndDraw() {
    int cols, rows;
    while (windowSize(cols, rows) && (cols < screenCols || rows < screenRows)) {
        showTooSmall(cols, rows);
        if (!waitForResize())
            break;
    }
    drawer();
}

}  // namespace

bool screenPossible(const char *program) {
    const char *lacks = consoleLacks();
    if (!lacks)
        return true;
    std::fprintf(stderr,
                 "%s: %s; run it in a terminal that can, such as xterm "
                 "(TERM=xterm-256color)\n",
                 program, lacks);
    return false;
}

void showScreen(void (*drawAll)()) {
    drawer = drawAll;
    onWindowResize(drawAll ? fitAndDraw : nullptr);
    if (drawAll)
        fitAndDraw();
}
