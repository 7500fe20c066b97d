#include "probe.h"

#include <cstdio>
#include <cstdlib>
#include <string>

std::ostream &operator<<(std::ostream &os, const Pos &p) {
    return os << "(" << p.x << ", " << p.y << ")";
}

HANDLE activeScreen() {
    static HANDLE h = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    return h;
}

static CONSOLE_SCREEN_BUFFER_INFO infoOf(HANDLE buffer) {
    CONSOLE_SCREEN_BUFFER_INFO info = {};
    GetConsoleScreenBufferInfo(buffer, &info);
    return info;
}

Pos cursorOf(HANDLE buffer) {
    COORD c = infoOf(buffer).dwCursorPosition;
    return {c.X + 1, c.Y + 1};
}

WORD attributeOf(HANDLE buffer) {
    return infoOf(buffer).wAttributes;
}

COORD sizeOf(HANDLE buffer) {
    return infoOf(buffer).dwSize;
}

static COORD cell(int x, int y) {
    return {(SHORT)(x - 1), (SHORT)(y - 1)};
}

std::string textAt(int x, int y, int cells, HANDLE buffer) {
    std::string text((std::size_t)cells, '\0');
    DWORD read = 0;
    ReadConsoleOutputCharacterA(buffer, &text[0], (DWORD)cells, cell(x, y), &read);
    text.resize(read);
    return text;
}

std::string glyphAt(int x, int y, HANDLE buffer) {
    // ReadConsoleOutputCharacterA takes its count as both the cells to read
    // and the room for their bytes. Wine's console holds a two-byte
    // character in one cell, so there no count fits: read the cell as UTF-16
    // and encode it in the console's code page here.
    WCHAR wide = 0;
    DWORD read = 0;
    ReadConsoleOutputCharacterW(buffer, &wide, 1, cell(x, y), &read);
    char bytes[8];
    int n = WideCharToMultiByte(GetConsoleOutputCP(), 0, &wide, (int)read, bytes,
                                sizeof bytes, nullptr, nullptr);
    return std::string(bytes, n > 0 ? (std::size_t)n : 0);
}

WORD attributeAt(int x, int y, HANDLE buffer) {
    WORD attr = 0;
    DWORD read = 0;
    ReadConsoleOutputAttribute(buffer, &attr, 1, cell(x, y), &read);
    return attr;
}

void paintScreen(char c, WORD attr) {
    HANDLE h = activeScreen();
    COORD size = sizeOf(h);
    DWORD cells = (DWORD)size.X * (DWORD)size.Y;
    DWORD done;
    FillConsoleOutputCharacterA(h, c, cells, {0, 0}, &done);
    FillConsoleOutputAttribute(h, attr, cells, {0, 0}, &done);
    SetConsoleTextAttribute(h, attr);
}

int cellsPerBig5Glyph() {
    HANDLE h = activeScreen();
    SetConsoleCursorPosition(h, {0, 0});
    DWORD written;
    WriteFile(h, "\xB1\x4E", 2, &written, nullptr);  // 將
    return cursorOf(h).x - 1;
}

bool pressKeys(const char *keys) {
    static int count = 0;
    const char *dir = std::getenv("BANQI_KEYS");
    if (!dir)
        return false;
    count++;
    // Written whole under another name first: the runner must never read
    // half a request.
    std::string name = std::string(dir) + "/keys-" + std::to_string(count);
    std::string partial = name + ".part";
    FILE *f = std::fopen(partial.c_str(), "w");
    if (!f)
        return false;
    std::fputs(keys, f);
    std::fclose(f);
    return MoveFileExA(partial.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}
