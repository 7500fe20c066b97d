#include "play/play.h"

#include <initializer_list>
#include <string>

#include "console/utilwin32.h"
#include "game/pieces.h"
#include "platform/discard_keys.h"
#include "platform/textout.h"
#include "platform/window_size.h"
#include "play/computer.h"
#include "play/describe.h"
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

// How long the computer's move is shown highlighted before it is made:
// long enough to see where it happens.
const int showMoveMs = 500;

// The game on the screen, for the redraw that showScreen runs.
const Table *onScreen = nullptr;

void redrawScreen() { drawTable(*onScreen); }

std::string joined(std::initializer_list<const char *> parts) {
    std::string message;
    for (const char *part : parts)
        message += part;
    return message;
}

// A status message put together from Big5 pieces.
void say(Table &table, std::initializer_list<const char *> parts) {
    tell(table, joined(parts));
}

// The end of the game, and the key that will end the program.
Step announce(Table &table, std::initializer_list<const char *> parts) {
    tell(table, joined(parts) + msgPressKey);
    return gameOver;
}

bool versus(const Table &table) { return table.opponent != twoPlayers; }

// A side as an announcement names it: against the computer with its
// role, 紅方（電腦）.
std::string who(const Table &table, int side) {
    std::string name = sideName(side);
    if (versus(table))
        name += side == table.computerSide ? msgComputerRole : msgYouRole;
    return name;
}

bool computerToMove(const Table &table) {
    if (table.game.turn == noSide)
        return table.opponent == computerFirst;
    return table.game.turn == table.computerSide;
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
// the side now to move has lost or the game is drawn. said, when not
// empty, is what the status line then shows.
Step play(Table &table, const Move &move, const std::string &said = "") {
    bool firstFlip = table.game.turn == noSide;
    applyMove(&table.game, move);
    if (firstFlip && versus(table)) {
        // The first player took the flipped piece's side.
        int first = 1 - table.game.turn;
        table.computerSide = table.opponent == computerFirst ? first : 1 - first;
    }
    drawCell(table, move.from);
    if (move.kind != moveFlip)
        drawCell(table, move.to);
    if (move.kind == moveCapture)
        drawDead(table);
    drawTurn(table);

    int next = table.game.turn, other = 1 - next;
    std::string loser = who(table, next), winner = who(table, other);
    switch (gameEnd(&table.game)) {
    case endNoPieces:
        return announce(table, {loser.c_str(), msgNoPieces, winner.c_str(), msgWins});
    case endNoMoves:
        return announce(table, {loser.c_str(), msgNoMoves, winner.c_str(), msgWins});
    case endFiftyMoves:
        return announce(table, {msgFifty});
    case endNone:
        break;
    }
    if (!said.empty())
        tell(table, said);
    else if (firstFlip)
        say(table, {msgFirstIs, sideName(other), msgSecondIs, sideName(next)});
    else
        tell(table, "");  // nothing stale stays on the line
    return keepPlaying;
}

// The computer's turn: it thinks, with the status line saying so; its
// move is shown highlighted for a moment, then made, and told in words.
// Keys pressed meanwhile are dropped, not taken as the player's.
Step computerTurn(Table &table, Engine &engine) {
    tell(table, msgThinking);
    textFlush();
    // The search runs here, away from the key reader: a resize meanwhile
    // is only recorded, and the screen is drawn again once it returns.
    Move move = computerMove(engine, table.game);
    redrawIfResized();
    table.shown[0] = move.from;
    table.shown[1] = move.kind == moveFlip ? noCell : move.to;
    drawCell(table, move.from);
    if (move.kind != moveFlip)
        drawCell(table, move.to);
    textFlush();
    delay(showMoveMs);
    redrawIfResized();
    table.shown[0] = table.shown[1] = noCell;
    // Before the move is told: a key pressed once it shows is the player's.
    discardTypedKeys();
    std::string said = describeComputerMove(table.game, move);
    return play(table, move, said);
}

void select(Table &table, int cell) {
    int old = table.selected;
    table.selected = cell;
    if (old != noCell)
        drawCell(table, old);
    if (cell != noCell)
        drawCell(table, cell);
    tell(table, cell == noCell ? msgDeselected : msgSelected);
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
            tell(table, refusalText(piece == noPiece ? refuseEmpty : refuseNotYours));
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
        tell(table, refusalText(refusal));
        return keepPlaying;
    }
    table.selected = noCell;
    return play(table, move);
}

Step giveUp(Table &table) {
    int side = table.game.turn;
    if (side == noSide) {
        tell(table, msgNotYet);
        return keepPlaying;
    }
    say(table, {sideName(side), msgGiveUpAsk});
    if (getKey() != keyG) {
        tell(table, msgGoOn);
        return keepPlaying;
    }
    std::string loser = who(table, side), winner = who(table, 1 - side);
    return announce(table, {loser.c_str(), msgGaveUp, winner.c_str(), msgWins});
}

// The side to move offers; the other side's next key answers, or the
// computer's judgement of the position.
Step offerDraw(Table &table, Engine &engine) {
    int side = table.game.turn;
    if (side == noSide) {
        tell(table, msgNotYet);
        return keepPlaying;
    }
    if (versus(table)) {
        say(table, {msgYouOfferDraw, msgThinking});
        textFlush();
        bool accepted = computerAcceptsDraw(engine, table.game);
        redrawIfResized();
        discardTypedKeys();
        if (accepted)
            return announce(table, {msgComputerAgrees});
        tell(table, msgComputerDeclines);
        return keepPlaying;
    }
    int other = 1 - side;
    say(table, {sideName(side), msgDrawOffer, sideName(other), msgDrawAsk});
    if (getKey() != keyT) {
        say(table, {sideName(other), msgDrawDeclined});
        return keepPlaying;
    }
    return announce(table, {msgAgreed});
}

Step quit(Table &table) {
    tell(table, msgQuitAsk);
    if (getKey() == keyEsc)
        return leave;
    tell(table, msgGoOn);
    return keepPlaying;
}

Step onKey(Table &table, Engine &engine, int key) {
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
        tell(table, table.showDead ? msgDeadShown : msgDeadHidden);
        return keepPlaying;
    case keyG:
        return giveUp(table);
    case keyT:
        return offerDraw(table, engine);
    case keyEsc:
        return quit(table);
    }
    return keepPlaying;
}

}  // namespace

void playGame(const int deal[boardCells], Opponent opponent, Engine &engine) {
    Table table;
    setTable(&table, deal, opponent);
    table.message = msgFlipFirst;
    onScreen = &table;
    showScreen(redrawScreen);

    Step step = keepPlaying;
    while (step == keepPlaying)
        step = computerToMove(table) ? computerTurn(table, engine)
                                     : onKey(table, engine, getKey());
    if (step == gameOver)
        getKey();
    showScreen(nullptr);
    onScreen = nullptr;
}
