// The frames that the benchmark times and counts: the bare floor, the game's frame, the floor
// drawing and the rules alone, all on the process-wide game and piece.
#pragma once

// How full the playfield is for a measured frame. `full` settles all 200 visible cells, so the
// frame also removes twenty rows; the field is refilled from a copy after every frame.
// `steady` is the fullest field that stays as it is: every row with one gap (190 cells).
enum class Fill { empty, half, steady, full };
constexpr Fill kAllFills[] = {Fill::empty, Fill::half, Fill::steady, Fill::full};

const char* fillName(Fill fill);
int settledCells(Fill fill);

// Opens the game's 200 x 400 double-buffered window with the game's GL state, retrying while
// the display refuses clients. False when no display could be opened.
bool openBenchWindow(int& argc, char** argv);

// A paused game (so the message line shows and no gravity step comes) on the given field,
// with a T piece at its spawn pose.
void prepareGame(Fill fill);

void bareFrame();   // clear, flush, swap: the floor of any frame
void gameFrame();   // the game's idle frame, then the refill when the field is full
void floorFrame();  // the same GL calls as a full-field frame, straight from constants
void rulesFrame();  // the frame's rules without GL: the piece update and the row pass
void refillOnly();  // the refill that follows every full-field frame

// A hard drop from the spawn pose on an empty field, after restoring that start.
void hardDropFromSpawn();
void restoreDropStart();  // the restore alone, to be subtracted from the drop
