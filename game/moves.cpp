// The player's moves: the quarter turn, the shifts by one column and the hard drop.
#include "game/piece.h"

bool Piece::fitsTurned() const {
    for (int k = 1; k <= 4; ++k) {
        const Cell c = blockCell(k);
        if (c.column < 0 || c.column >= kFieldColumns || c.row < 1 || c.row >= kFieldRows) {
            return false;
        }
        if (state_.playfield[c.row - 1][c.column] != 0) return false;
    }
    return true;
}

// No wall or floor kick: a turn that does not fit at the piece's place is refused.
void Piece::rotate(int degrees) {
    if (type == 7) return;  // the O piece never turns
    refreshPose();
    const int savedAngle = angle;
    angle = ((angle + degrees) % 360 + 360) % 360;
    if (!fitsTurned()) angle = savedAngle;
}

// A shift tests the cells beside the shown blocks only; it never settles the piece.
void Piece::moveRight(int distance) {
    refreshPose();
    for (int k = 1; k <= 4; ++k) {
        const Cell c = blockCell(k);
        if (c.column >= kFieldColumns - 1) return;
        if (c.row >= 1 && state_.playfield[c.row - 1][c.column + 1] != 0) return;
    }
    x += distance;
}

void Piece::moveLeft(int distance) {
    refreshPose();
    for (int k = 1; k <= 4; ++k) {
        const Cell c = blockCell(k);
        if (c.column <= 0) return;
        if (c.row >= 1 && state_.playfield[c.row - 1][c.column - 1] != 0) return;
    }
    x -= distance;
}

void Piece::drop() {
    GameState& s = state_;
    refreshPose();
    // The piece falls while the row below its shown cells is free. One already shown over
    // settled cells does not fall through them: it settles where it stands.
    int rowsFallen = 0;
    if (!shownCellsBlocked()) {
        for (;;) {
            y -= kCellSize;
            refreshPose();
            if (shownCellsBlocked()) break;
            ++rowsFallen;
        }
    }
    s.score += rowsFallen;
    landed = 1;
    endFall();
    if (s.score > s.highest) s.highest = s.score;
    refreshStatusTexts(s);
}
