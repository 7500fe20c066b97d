// The rules of dark chess as a pure state machine: the board, whose turn
// it is, which moves are legal, what a move does, and when the game ends.
// No screen and no input here.
//
// Cells are numbered row * 8 + col, rows 0-3 and columns 0-7. Sides are
// numbered as getColor gives them: 0 black, 1 red.
#ifndef RULES_RULES_H
#define RULES_RULES_H

const int boardRows = 4;
const int boardCols = 8;
const int boardCells = boardRows * boardCols;

const int noPiece = -1;  // an empty cell
const int noSide = -1;   // the turn before the first flip

struct Game {
    int piece[boardCells];   // piece id 0-31, or noPiece
    int faceUp[boardCells];  // non-zero once the piece is turned over
    int turn;                // side to move; noSide until the first flip
    int quietMoves;          // moves in a row with neither flip nor capture
    int dead[boardCells];    // captured piece ids, in the order taken
    int deadCount;
};

enum MoveKind { moveFlip, moveStep, moveCapture };

// A flip uses from only; a step or capture goes from one cell to another.
struct Move {
    MoveKind kind;
    int from;
    int to;
};

// Why a move is refused; moveAllowed when it is not.
enum Refusal {
    moveAllowed = 0,
    refuseOffBoard,        // a cell number outside 0-31
    refuseEmpty,           // nothing on the cell moved or flipped
    refuseAlreadyUp,       // flipping a piece that lies face up
    refuseMustFlip,        // the first move of the game is not a flip
    refuseNotYours,        // moving a face-down or enemy piece
    refuseSameCell,        // moving a piece onto its own cell
    refuseNotAdjacent,     // not one cell up, down, left or right
    refuseOccupied,        // a step onto a cell that holds a piece
    refuseNothingThere,    // a capture onto an empty cell
    refuseOwnPiece,        // capturing one's own piece
    refuseFaceDown,        // capturing a piece still face down
    refuseStronger,        // capturing a piece of a stronger rank
    refuseGeneralSoldier,  // the general cannot take a soldier
    refuseCannonAdjacent,  // the cannon takes only by jumping
    refuseCannonScreen     // not exactly one piece between cannon and target
};

enum EndReason {
    endNone = 0,
    endNoPieces,   // the side to move has no piece left: it loses
    endNoMoves,    // the side to move has no legal move: it loses
    endFiftyMoves  // fifty moves in a row without flip or capture: a draw
};

// The most moves a position can offer: a cannon has at most two per
// direction (a step and a jump), every other cell fewer.
const int maxMoves = boardCells * 8;

// Lays the 32 dealt ids (as shuffle gives them, row by row) face down and
// gives the first move to the first player, whose side is not yet known.
void newGame(Game *game, const int deal[boardCells]);

// Whether attacker may take target by rank alone, as every piece but the
// cannon does: same or lower rank (higher number), except that the general
// cannot take a soldier and a soldier can take the general.
bool outranks(int attacker, int target);

// Checks move for the side to move.
Refusal checkMove(const Game *game, const Move &move);

// Plays a move that checkMove allowed. The first flip gives its piece's
// side to the first player, so the other side moves next.
void applyMove(Game *game, const Move &move);

// Fills moves (room for maxMoves) with every legal move of the side to
// move; returns how many.
int legalMoves(const Game *game, Move *moves);

// Whether side has any piece on the board, face up or face down.
bool hasPieces(const Game *game, int side);

// Whether the game is over before the side to move plays, and why. The
// loser of endNoPieces and endNoMoves is game->turn.
EndReason gameEnd(const Game *game);

// Fifty moves in a row with neither a flip nor a capture draw the game.
const int quietMoveLimit = 50;

#endif
