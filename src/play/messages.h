// The play program's texts, all Big5. Sentences that name a side are put
// together by the caller from these pieces.
#ifndef PLAY_MESSAGES_H
#define PLAY_MESSAGES_H

#include "rules/rules.h"

// "紅方" for red (1), "黑方" for black (0).
const char *sideName(int side);

// Why the rules refuse a move, as a sentence for the status line.
const char *refusalText(Refusal refusal);

// Before the first flip, and once it has settled the sides.
extern const char msgFlipFirst[];
extern const char msgFirstIs[];
extern const char msgSecondIs[];

// Selecting a piece.
extern const char msgSelected[];
extern const char msgDeselected[];

// Giving up, offering a draw, leaving.
extern const char msgNotYet[];
extern const char msgGiveUpAsk[];
extern const char msgGoOn[];
extern const char msgDrawOffer[];
extern const char msgDrawAsk[];
extern const char msgDrawDeclined[];
extern const char msgQuitAsk[];

// The captured-piece line switched on and off.
extern const char msgDeadShown[];
extern const char msgDeadHidden[];

// The end of a game: a loser's side and one of these, the winner's side
// and msgWins; or a draw; then msgPressKey.
extern const char msgNoPieces[];
extern const char msgNoMoves[];
extern const char msgGaveUp[];
extern const char msgWins[];
extern const char msgFifty[];
extern const char msgAgreed[];
extern const char msgPressKey[];

// Against the computer. A move it made reads as
//   電腦翻開ｃ２的傌 / 電腦的傌從ｃ２走到ｃ３ / 電腦的傌從ｃ２吃掉ｃ３的卒
// and a side named at the end carries its role: 紅方（電腦）.
extern const char msgThinking[];
extern const char msgComputer[];
extern const char msgFlips[];
extern const char msgOf[];
extern const char msgFrom[];
extern const char msgStepsTo[];
extern const char msgTakes[];
extern const char msgYouRole[];
extern const char msgComputerRole[];
extern const char msgYouAre[];
extern const char msgComputerIs[];
extern const char msgYouOfferDraw[];
extern const char msgComputerAgrees[];
extern const char msgComputerDeclines[];

// A cell as the screen's labels name it: column ａ-ｈ, then row １-４.
const char *columnName(int col);
const char *rowName(int row);

#endif
