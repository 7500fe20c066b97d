// The play screen's glyph tables: src/ui's, its tests', and banqi-play's
// words for a piece.
// Every glyph is two Big5 bytes and a NUL, two columns wide.
#ifndef UI_SYMBOLS_H
#define UI_SYMBOLS_H

// Entry 0 the blank glyph, entries 1-32 the glyphs of piece ids 0-31.
extern const char *const pieceSymbols0[33];

// Indexed by piece id; pieceSymbols[-1] is the blank glyph.
extern const char *const *const pieceSymbols;

// The glyph of a face-down piece, and the blank (ideographic space).
extern const char *const backSymbol;
extern const char *const blankSymbol;

#endif
