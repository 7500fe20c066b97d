#include "platform/discard_keys.h"

#include <windows.h>

void discardTypedKeys() {
    FlushConsoleInputBuffer(GetStdHandle(STD_INPUT_HANDLE));
}
