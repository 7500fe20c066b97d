#include "play/play.h"

#include <initializer_list>
#include <string>

#include "game/pieces.h"
#include "play/messages.h"
#include "play/view.h"
#include "ui/screen.h"

namespace {

// The codes getKey returns.
const int keySpace = 32;
const int keyEsc = 27;
const int keyS = 83;
const int keyG = 71;
const int keyT = 84;
const int keyUp = 72;
const int keyDown = 80;
const int keyLeft = 75;
const int keyRight = 77;

enum Step { keepPlaying, gameOver, leave };

// The game on the screen, for the redraw that showScreen runs.
const Table *onScreen = nullptr;

void redrawScreen() { drawScreen(*onScreen); }

std::string joined(std::initializer_list<const char *> parts) {
    std::string message;
    for (const char *part : parts)
        message += part;
    return message;
}

// A status message put together from Big5 pieces.
void say(std::initializer_list<const char *> parts) { status(joined(parts).c_str()); }

// The end of the game, and the key that will end the program.
Step announce(std::initializer_list<const char *> parts) {
    status((joined(parts) + msgPressKey).c_str());
    return gameOver;
}

void moveCursor(Table &table, int key) {
    int row = table.cursor / boardCols, col = table.cursor % boardCols;
    if (key == keyUp && row > 0)
        row--;
    else if (key == keyDown && row < boardRows - 1)
        row++;
    else if (key == keyLeft && col > 0)
        col--;
    else if (key == keyRight && col < boardCols - 1)
        col++;
    int old = table.cursor;
    table.cursor = row * boardCols + col;
    if (table.cursor != old) {
        drawCell(table, old);
        drawCell(table, table.cursor);
    }
}

// After a move: the cells it touched, the lines it changed, and whether
// the side now to move has lost or the game is drawn.
Step play(Table &table, const Move &move) {
    bool firstFlip = table.game.turn == noSide;
    applyMove(&table.game, move);
    drawCell(table, move.from);
    if (move.kind != moveFlip)
        drawCell(table, move.to);
    if (move.kind == moveCapture)
        drawDead(table);
    drawTurn(table);

    int next = table.game.turn, other = 1 - next;
    switch (gameEnd(&table.game)) {
    case endNoPieces:
        return announce({sideName(next), msgNoPieces, sideName(other), msgWins});
    case endNoMoves:
        return announce({sideName(next), msgNoMoves, sideName(other), msgWins});
    case endFiftyMoves:
        return announce({msgFifty});
    case endNone:
        break;
    }
    if (firstFlip)
        say({msgFirstIs, sideName(other), msgSecondIs, sideName(next)});
    else
        status("");  // nothing stale stays on the line
    return keepPlaying;
}

void select(Table &table, int cell) {
    int old = table.selected;
    table.selected = cell;
    if (old != noCell)
        drawCell(table, old);
    if (cell != noCell)
        drawCell(table, cell);
    status(cell == noCell ? msgDeselected : msgSelected);
}

// Space: flip, select, move or capture, whatever the cell under the
// cursor and the selection make of it.
Step space(Table &table) {
    const Game &game = table.game;
    int cell = table.cursor;
    int piece = game.piece[cell];
    bool own = piece != noPiece && game.faceUp[cell] && getColor(piece) == game.turn;
    if (table.selected == noCell) {
        if (piece != noPiece && !game.faceUp[cell])
            return play(table, Move{moveFlip, cell, cell});
        if (own)
            select(table, cell);
        else
            status(refusalText(piece == noPiece ? refuseEmpty : refuseNotYours));
        return keepPlaying;
    }
    if (cell == table.selected) {
        select(table, noCell);
        return keepPlaying;
    }
    if (own) {  // another of one's own pieces takes over the selection
        select(table, cell);
        return keepPlaying;
    }
    Move move{piece == noPiece ? moveStep : moveCapture, table.selected, cell};
    Refusal refusal = checkMove(&game, move);
    if (refusal != moveAllowed) {
        status(refusalText(refusal));
        return keepPlaying;
    }
    table.selected = noCell;
    return play(table, move);
}

Step giveUp(const Table &table) {
    int side = table.game.turn;
    if (side == noSide) {
        status(msgNotYet);
        return keepPlaying;
    }
    say({sideName(side), msgGiveUpAsk});
    if (getKey() != keyG) {
        status(msgGoOn);
        return keepPlaying;
    }
    return announce({sideName(side), msgGaveUp, sideName(1 - side), msgWins});
}

// The side to move offers; the other side's next key answers.
Step offerDraw(const Table &table) {
    int side = table.game.turn;
    if (side == noSide) {
        status(msgNotYet);
        return keepPlaying;
    }
    int other = 1 - side;
    say({sideName(side), msgDrawOffer, sideName(other), msgDrawAsk});
    if (getKey() != keyT) {
        say({sideName(other), msgDrawDeclined});
        return keepPlaying;
    }
    return announce({msgAgreed});
}

Step quit() {
    status(msgQuitAsk);
    if (getKey() == keyEsc)
        return leave;
    status(msgGoOn);
    return keepPlaying;
}

Step onKey(Table &table, int key) {
    switch (key) {
    case keyUp:
    case keyDown:
    case keyLeft:
    case keyRight:
        moveCursor(table, key);
        return keepPlaying;
    case keySpace:
        return space(table);
    case keyS:
        table.showDead = !table.showDead;
        drawDead(table);
        status(table.showDead ? msgDeadShown : msgDeadHidden);
        return keepPlaying;
    case keyG:
        return giveUp(table);
    case keyT:
        return offerDraw(table);
    case keyEsc:
        return quit();
    }
    return keepPlaying;
}

}  // namespace

void playGame(const int deal[boardCells]) {
    Table table;
    newGame(&table.game, deal);
    table.cursor = 0;
    table.selected = noCell;
    table.showDead = true;
    onScreen = &table;
    showScreen(redrawScreen);
    status(msgFlipFirst);

    Step step = keepPlaying;
    while (step == keepPlaying)
        step = onKey(table, getKey());
    if (step == gameOver)
        getKey();
    showScreen(nullptr);
    onScreen = nullptr;
}
