// The floor programs' pictures: the game's GL state and its kinds of drawing, with nothing else.
#pragma once

// 200 inset squares, a four-square piece and five bitmap text lines, issued with the game's own
// primitives but straight from loops over constants: no rules, no state.
void drawFloorScene();

// The same with the first `cells` squares only, and without the message line unless
// textLines is 5: the picture of a game that has just started is drawFloorCells(0, 4).
void drawFloorCells(int cells, int textLines);

// Opens the game's 200 x 400 double-buffered window with the game's GL state and runs GLUT's
// loop with no frame limit; each frame clears, calls drawScene (when given), flushes and swaps.
void runFloorWindow(int argc, char** argv, const char* title, void (*drawScene)());
