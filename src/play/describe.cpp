#include "play/describe.h"

#include "play/messages.h"
#include "ui/symbols.h"

namespace {

std::string cellName(int cell) {
    return std::string(columnName(cell % boardCols)) + rowName(cell / boardCols);
}

}  // namespace

std::string describeComputerMove(const Game &game, const Move &move) {
    std::string text = msgComputer;
    const char *mover = pieceSymbols[game.piece[move.from]];
    switch (move.kind) {
    case moveFlip:  // 電腦翻開ｃ２的傌
        return text + msgFlips + cellName(move.from) + msgOf + mover;
    case moveStep:  // 電腦的傌從ｃ２走到ｃ３
        return text + msgOf + mover + msgFrom + cellName(move.from) + msgStepsTo +
               cellName(move.to);
    case moveCapture:  // 電腦的傌從ｃ２吃掉ｃ３的卒
        return text + msgOf + mover + msgFrom + cellName(move.from) + msgTakes +
               cellName(move.to) + msgOf + pieceSymbols[game.piece[move.to]];
    }
    return text;
}
