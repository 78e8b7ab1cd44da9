// Full rows: their removal, the points for a pass, and the level and speed they bring.
#pragma once

#include "game/state.h"

bool rowIsFull(const PlayfieldRow& row);

// Removes visible row r (0..19): the rows above it move down one, row 19 becomes empty.
// Raises lines, level and the speed.
void removeRow(GameState& state, int r);

// The end of a playfield pass that removed `rowsRemoved` rows: points by the table, times one
// more than the level; highest follows score; the status texts are re-formatted.
void scorePass(GameState& state, int rowsRemoved);

// The per-frame pass over the visible rows, bottom up: each row is handed to drawRow and then
// tested; a full row is removed and the same index is tested again, now holding the row that
// moved down into it. The renderer passes its cell drawing; the rules alone pass nothing.
template <typename DrawRow>
void playfieldPass(GameState& state, DrawRow&& drawRow) {
    int rowsRemoved = 0;
    for (int i = 0; i < kVisibleRows;) {
        drawRow(state.playfield[i], i);
        if (rowIsFull(state.playfield[i])) {
            removeRow(state, i);
            ++rowsRemoved;
        } else {
            ++i;
        }
    }
    scorePass(state, rowsRemoved);
}

// The pass without drawing.
void clearFullRows(GameState& state);
