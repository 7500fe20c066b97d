// The play screen: a titled board of 4 x 8 cells with row and column
// labels and key instructions, the turn, status and captured-piece lines,
// and the key reader. Drawing operations other than displayBoard leave the
// cursor at (1, 23), the start of the status line.
#ifndef UI_SCREEN_H
#define UI_SCREEN_H

// Side of each piece id (0 black, 1 red) and its rank, as getColor and
// getRank give them.
extern const int colors[32];
extern const int ranks[32];

// Clears the screen and draws the title, the board with every cell face
// down, and the two instruction lines. Leaves attribute 7 in force.
void displayBoard();

// Draws cell (row 0-3, col 0-7) with piece id 0-31 face up when faceUp is
// non-zero, else face down; highlight 1 or 2 adds a background.
void displayPiece(int row, int col, int piece, int faceUp, int highlight);

// Shows the side to move: non-zero red, 0 black.
void prompt(int side);

// Shows a Big5 message on the status line.
void status(const char *message);

// Shows the count captured piece ids of dead, in the order given.
void showDeadPieces(int count, int *dead);

// Orders two piece ids held as ints, for qsort.
int compare(const void *a, const void *b);

// Waits for one of the keys the instructions name and returns its code:
// 32 Space, 27 Esc, 83 S, 71 G, 84 T, and the arrows as 72 up, 80 down,
// 75 left, 77 right. Every other key writes "Invalid key!" and is skipped.
int getKey();

// The play screen needs a window of 80 columns and 23 rows: the status
// line is row 23, and it and the captured-piece line are 80 columns.
// The common 80 x 24 terminal holds it.
const int screenCols = 80;
const int screenRows = 23;

// False, after one line on standard error (beginning with program) saying
// why, when standard output is a terminal that cannot move the cursor or
// clear the screen (TERM=dumb): the play screen cannot be shown there.
bool screenPossible(const char *program);

// Shows the whole screen as drawAll draws it, now and again whenever the
// terminal's window is resized. drawAll is the program's function that
// draws everything from its own state: displayBoard, then every cell,
// line and message as they stand. While the window is smaller than 80 x
// 23 a message naming both sizes takes the screen's place until it is
// large enough; keys typed meanwhile wait for getKey. The redraw after a
// resize runs in the program's flow: while getKey waits for a key, or when
// the program calls redrawIfResized (platform/window_size.h). On Windows
// drawAll runs once, now. Null ends the redraws, when the program leaves
// the screen.
void showScreen(void (*drawAll)());

#endif
