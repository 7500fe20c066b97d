#include "colour_map.h"

namespace {

// Windows orders the colour bits blue, green, red; terminals red, green, blue.
int terminalColour(unsigned bgr) {
    return (int)(((bgr & 1u) << 2) | (bgr & 2u) | ((bgr & 4u) >> 2));
}

}  // namespace

Pen penForAttribute(unsigned attribute, int colours) {
    unsigned fg = attribute & 0x0Fu;
    unsigned bg = (attribute >> 4) & 0x0Fu;
    Pen pen{-1, -1, false};
    if (colours >= 16) {
        pen.fg = terminalColour(fg) + (fg & 8u ? 8 : 0);
        pen.bg = terminalColour(bg) + (bg & 8u ? 8 : 0);
        return pen;
    }
    // Eight colours or none: a bright background cannot be shown at all.
    pen.bold = (fg & 8u) != 0;
    if (colours >= 8) {
        pen.fg = terminalColour(fg);
        pen.bg = terminalColour(bg);
    }
    return pen;
}
