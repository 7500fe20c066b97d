#include "scripted_getch.h"

#include <cstddef>

#include "platform/getch.h"

namespace {

std::vector<int> script;
std::size_t position = 0;

}  // namespace

void scriptKeys(const std::vector<int> &codes) {
    script = codes;
    position = 0;
}

int scriptedReads() {
    return (int)position;
}

int _getch(void) {
    if (position == script.size())
        throw ScriptEnded{};
    return script[position++];
}
