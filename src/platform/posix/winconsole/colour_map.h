// How a Windows console attribute looks on a terminal with a given number
// of colours.
#ifndef PLATFORM_POSIX_WINCONSOLE_COLOUR_MAP_H
#define PLATFORM_POSIX_WINCONSOLE_COLOUR_MAP_H

struct Pen {
    int fg;     // terminal palette index, -1 for none
    int bg;
    bool bold;  // intensity shown as bold where bright colours are lacking
};

Pen penForAttribute(unsigned attribute, int colours);

#endif
