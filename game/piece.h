// The falling piece: its pose, its shapes, and the rules that move, turn, drop and settle it.
#pragma once

#include "game/state.h"

// Exact sine and cosine of a quarter-turn angle in degrees; any other angle is returned as is.
int sinQuarter(int degrees);
int cosQuarter(int degrees);

// A Playfield cell: row 0 at the bottom, column 0 at the left.
struct Cell {
    int row;
    int column;
};

// Sets halted and gameOver and shows the game-over message.
void triggerGameOver(GameState& state);

// The one falling piece. `row` is its lock row: the row the pivot settles into. Every block is
// shown one row lower, and the landing, shift and turn tests look at those shown cells.
class Piece {
public:
    // Seeds the random source, draws the first type and writes the first status texts.
    explicit Piece(GameState& state);

    // One frame's gravity step, landing test, settling, spawning and game-over test.
    // Drawing the piece is the renderer's part of the frame.
    void update();
    void rotate(int degrees);
    void moveRight(int distance);
    void moveLeft(int distance);
    void drop();  // hard drop: one point per row fallen, then settle and spawn

    // Lock cell of block k (1..4) at the current type, angle, row and column.
    Cell blockCell(int k) const;

    int angle = 0;   // degrees counter-clockwise from the spawn orientation
    int x = 0;       // pixels right of the spawn position, a multiple of 20
    int y = 0;       // pixels above the spawn position: 0 or a negative multiple of 20
    int type = 0;    // PieceType 1..7: S, L, Z, I, J, T, O
    int landed = 0;  // 1 when this frame's landing test found the piece blocked
    int row = 0;     // lock row of the pivot, y / 20 + 20
    int column = 0;  // column of the pivot, x / 20 + 4

    // Block offsets (x to the right, y upward, in cells) of blocks 1..4 of each type 1..7;
    // block 1 is the pivot. Index 0 of every dimension is unused.
    static constexpr int ShapeTable[8][5][3] = {
        {},
        {{}, {0, 0, 0}, {0, 1, 1}, {0, 0, 1}, {0, -1, 0}},   // 1 S
        {{}, {0, 0, 0}, {0, 1, 0}, {0, 1, 1}, {0, -1, 0}},   // 2 L
        {{}, {0, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, -1, 1}},   // 3 Z
        {{}, {0, 0, 0}, {0, 1, 0}, {0, 2, 0}, {0, -1, 0}},   // 4 I
        {{}, {0, 0, 0}, {0, 1, 0}, {0, -1, 1}, {0, -1, 0}},  // 5 J
        {{}, {0, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, -1, 0}},   // 6 T
        {{}, {0, 0, 0}, {0, 1, 1}, {0, 0, 1}, {0, 1, 0}},    // 7 O
    };

private:
    void refreshPose();           // brings row and column up to date with y and x
    bool shownCellsBlocked() const;
    bool fitsTurned() const;
    bool lockCellsFree() const;
    void endFall();               // settle, spawn and the game-over test
    void spawn();

    GameState& state_;
};
