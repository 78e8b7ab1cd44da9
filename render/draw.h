// Everything the game draws: the settled cells, the falling piece and the status lines.
#pragma once

#include "game/piece.h"
#include "game/state.h"
#include "render/primitives.h"

struct Colour {
    float red;
    float green;
    float blue;
};

// The colour of each PieceType, for settled cells and for the falling piece. Index 0 is unused.
constexpr Colour ColourTable[8] = {
    {0.0f, 0.0f, 0.0f},
    {0.0f, 0.0f, 1.0f},  // 1 S blue
    {1.0f, 1.0f, 0.0f},  // 2 L yellow
    {0.0f, 1.0f, 0.0f},  // 3 Z green
    {1.0f, 0.0f, 0.0f},  // 4 I red
    {1.0f, 0.0f, 1.0f},  // 5 J magenta
    {0.5f, 0.5f, 0.5f},  // 6 T grey
    {0.0f, 1.0f, 1.0f},  // 7 O cyan
};

// Draws the settled cells of the visible rows and, in the same pass, removes and scores full rows.
void drawPlayfield(GameState& state);

// Draws the falling piece at its pose, one row below its lock row.
void drawPiece(const Piece& piece);

// The message line while halted, then the four status lines.
void drawStatus(const GameState& state);
