#include "protocol/notation.h"

#include <cstring>

namespace {

const char redLetters[] = "KGMRNCP";
const char blackLetters[] = "kgmrncp";
const char hiddenLetter = 'X';
const int redSide = 1;
const int blackSide = 0;

// The kind a letter names, or -1.
int letterKind(char letter) {
    if (letter == '\0')
        return -1;
    if (const char *at = std::strchr(redLetters, letter))
        return kindOf(redSide, (int)(at - redLetters));
    if (const char *at = std::strchr(blackLetters, letter))
        return kindOf(blackSide, (int)(at - blackLetters));
    return -1;
}

bool parseCellAt(const std::string &text, size_t at, int *cell) {
    if (at + 2 > text.size())
        return false;
    char col = text[at], row = text[at + 1];
    if (col < 'a' || col >= 'a' + boardCols || row < '1' || row >= '1' + boardRows)
        return false;
    *cell = (row - '1') * boardCols + (col - 'a');
    return true;
}

bool parseBoard(const std::string &text, Visible *view, std::string *why) {
    int row = 0, col = 0;
    for (char c : text) {
        if (c == '/') {
            if (col != boardCols) {
                *why = "a board row does not hold 8 cells";
                return false;
            }
            if (++row == boardRows) {
                *why = "the board has more than 4 rows";
                return false;
            }
            col = 0;
            continue;
        }
        int run = c >= '1' && c <= '8' ? c - '0' : 1;
        if (col + run > boardCols) {
            *why = "a board row does not hold 8 cells";
            return false;
        }
        int shown;
        if (c >= '1' && c <= '8')
            shown = cellEmpty;
        else if (c == hiddenLetter)
            shown = cellHidden;
        else if ((shown = letterKind(c)) < 0) {
            *why = "the board holds a letter that is no piece";
            return false;
        }
        for (int i = 0; i < run; i++)
            view->cell[row * boardCols + col++] = shown;
    }
    if (row != boardRows - 1) {
        *why = "the board has fewer than 4 rows";
        return false;
    }
    if (col != boardCols) {
        *why = "a board row does not hold 8 cells";
        return false;
    }
    return true;
}

bool parseSide(const std::string &text, int *side) {
    if (text == "r")
        *side = redSide;
    else if (text == "b")
        *side = blackSide;
    else if (text == "-")
        *side = noSide;
    else
        return false;
    return true;
}

bool parseCaptured(const std::string &text, Visible *view) {
    for (int kind = 0; kind < kindCount; kind++)
        view->captured[kind] = 0;
    if (text == "-")
        return true;
    for (char c : text) {
        int kind = letterKind(c);
        if (kind < 0)
            return false;
        // More than a set holds is refused by the consistency check; the
        // cap keeps a long field from counting past it.
        if (view->captured[kind] <= setCount(kindRank(kind)))
            view->captured[kind]++;
    }
    return true;
}

}  // namespace

bool parseNumber(const std::string &text, int min, int max, int *value) {
    // Nine digits at most: more could overflow and are out of any range.
    if (text.empty() || text.size() > 9)
        return false;
    int read = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        read = read * 10 + (c - '0');
    }
    if (read < min || read > max)
        return false;
    *value = read;
    return true;
}

std::string cellText(int cell) {
    std::string text;
    text += (char)('a' + cell % boardCols);
    text += (char)('1' + cell / boardCols);
    return text;
}

std::string moveText(const Move &move) {
    if (move.kind == moveFlip)
        return cellText(move.from);
    return cellText(move.from) + cellText(move.to);
}

bool parseMove(const std::string &text, const Visible &view, Move *move) {
    int from, to;
    if (text.size() == 2 && parseCellAt(text, 0, &from)) {
        *move = {moveFlip, from, from};
        return true;
    }
    if (text.size() == 4 && parseCellAt(text, 0, &from) && parseCellAt(text, 2, &to)) {
        *move = {view.cell[to] == cellEmpty ? moveStep : moveCapture, from, to};
        return true;
    }
    return false;
}

char kindLetter(int kind) {
    const char *letters = kindSide(kind) == redSide ? redLetters : blackLetters;
    return letters[kindRank(kind)];
}

std::string positionText(const Visible &view) {
    std::string text;
    for (int row = 0; row < boardRows; row++) {
        if (row > 0)
            text += '/';
        int empty = 0;
        for (int col = 0; col < boardCols; col++) {
            int shown = view.cell[row * boardCols + col];
            if (shown == cellEmpty) {
                empty++;
                continue;
            }
            if (empty > 0)
                text += (char)('0' + empty);
            empty = 0;
            text += shown == cellHidden ? hiddenLetter : kindLetter(shown);
        }
        if (empty > 0)
            text += (char)('0' + empty);
    }
    text += view.turn == redSide ? " r " : view.turn == blackSide ? " b " : " - ";
    text += std::to_string(view.quietMoves);
    text += ' ';
    std::string captured;
    for (int side : {redSide, blackSide})
        for (int rank = 0; rank < rankCount; rank++)
            captured.append(view.captured[kindOf(side, rank)], kindLetter(kindOf(side, rank)));
    text += captured.empty() ? "-" : captured;
    return text;
}

bool parsePosition(const std::vector<std::string> &fields, Visible *view,
                   std::string *why) {
    if (fields.size() != 4) {
        *why = "a position is a board, a side, a quiet-move count and the captured pieces";
        return false;
    }
    Visible read;
    if (!parseBoard(fields[0], &read, why))
        return false;
    if (!parseSide(fields[1], &read.turn)) {
        *why = "the side to move is not r, b or -";
        return false;
    }
    if (!parseNumber(fields[2], 0, quietMoveLimit, &read.quietMoves)) {
        *why = "the quiet-move count is not a number from 0 to " +
               std::to_string(quietMoveLimit);
        return false;
    }
    if (!parseCaptured(fields[3], &read)) {
        *why = "the captured pieces hold a letter that is no piece";
        return false;
    }
    const char *inconsistent;
    if (!consistent(read, &inconsistent)) {
        *why = inconsistent;
        return false;
    }
    *view = read;
    return true;
}

Visible startPosition() {
    Visible view;
    for (int cell = 0; cell < boardCells; cell++)
        view.cell[cell] = cellHidden;
    view.turn = noSide;
    view.quietMoves = 0;
    for (int kind = 0; kind < kindCount; kind++)
        view.captured[kind] = 0;
    return view;
}
