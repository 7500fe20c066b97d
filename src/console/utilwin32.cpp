#include "console/utilwin32.h"

#include "platform/console_api.h"

static HANDLE hConsole;
static int instanceCount = 0;

// The handle is fetched by whichever operation runs first, and kept.
static void fetchConsole() {
    if (instanceCount == 0) {
        hConsole = GetStdHandle(STD_OUTPUT_HANDLE);
        instanceCount = 1;
    }
}

void gotoxy(int x, int y) {
    fetchConsole();
    COORD position;
    position.X = (SHORT)(x - 1);
    position.Y = (SHORT)(y - 1);
    SetConsoleCursorPosition(hConsole, position);
}

void clrscr() {
    fetchConsole();
    CONSOLE_SCREEN_BUFFER_INFO info;
    // Without the buffer's size there is nothing to clear.
    if (!GetConsoleScreenBufferInfo(hConsole, &info))
        return;
    DWORD cells = (DWORD)info.dwSize.X * (DWORD)info.dwSize.Y;
    COORD home = {0, 0};
    DWORD written;
    FillConsoleOutputCharacterA(hConsole, ' ', cells, home, &written);
    GetConsoleScreenBufferInfo(hConsole, &info);
    FillConsoleOutputAttribute(hConsole, info.wAttributes, cells, home, &written);
    SetConsoleCursorPosition(hConsole, home);
}

unsigned short setTextColor(unsigned short attr) {
    fetchConsole();
    CONSOLE_SCREEN_BUFFER_INFO info;
    unsigned short previous = 15;
    if (GetConsoleScreenBufferInfo(hConsole, &info))
        previous = info.wAttributes;
    if (attr == 0)
        attr = 15;
    SetConsoleTextAttribute(hConsole, attr);
    return previous;
}

void delay(int ms) {
    Sleep((DWORD)ms);
}

const char *consoleLacks() {
#ifdef _WIN32
    return nullptr;
#else
    return winconsoleLacks();
#endif
}
