// The GL calls everything is drawn with: the game's GL state, filled quads and bitmap text.
#pragma once

// The GL state the game sets once at start: black background, blue current colour, and a
// 200 x 400 orthographic projection that stays the current matrix.
void setGameGlState();

// The GLUT bitmap font of every text line.
extern void* const statusFont;

// Fills the axis-aligned rectangle with corners (x1, y1) and (x2, y2) in the current colour.
void drawQuad(int x1, int y1, int x2, int y2);

// Draws text with its first character's baseline origin at (x, y), in the current colour.
void drawText(float x, float y, void* font, const char* text);
