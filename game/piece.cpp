// The piece's construction, its cells, and gravity, settling and spawning.
#include "game/piece.h"

#include <cstdlib>
#include <ctime>

namespace {

constexpr int kPieceTypes = 7;
constexpr int kSpawnRow = 20;
constexpr int kSpawnColumn = 4;

int randomPieceType() { return std::rand() % kPieceTypes + 1; }

}  // namespace

int sinQuarter(int degrees) {
    switch (degrees) {
        case 0: return 0;
        case 90: return 1;
        case 180: return 0;
        case 270: return -1;
        default: return degrees;
    }
}

int cosQuarter(int degrees) {
    switch (degrees) {
        case 0: return 1;
        case 90: return 0;
        case 180: return -1;
        case 270: return 0;
        default: return degrees;
    }
}

void triggerGameOver(GameState& state) {
    state.halted = 1;
    setMessageText(state, kGameOverText);
    state.gameOver = 1;
}

Piece::Piece(GameState& state) : state_(state) {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    type = randomPieceType();
    y = 0;
    // Known from the start, so that an arrow key before the first frame acts on the spawn pose.
    refreshPose();
    refreshStatusTexts(state_);
    setMessageText(state_, kPauseText);
}

Cell Piece::blockCell(int k) const {
    const int dx = ShapeTable[type][k][1];
    const int dy = ShapeTable[type][k][2];
    return {row + sinQuarter(angle) * dx + cosQuarter(angle) * dy,
            column + cosQuarter(angle) * dx - sinQuarter(angle) * dy};
}

void Piece::refreshPose() {
    row = y / kCellSize + kSpawnRow;
    column = x / kCellSize + kSpawnColumn;
}

// True when a shown block lies below row 0 or on a settled cell.
bool Piece::shownCellsBlocked() const {
    for (int k = 1; k <= 4; ++k) {
        const Cell c = blockCell(k);
        if (c.row < 1 || state_.playfield[c.row - 1][c.column] != 0) return true;
    }
    return false;
}

bool Piece::lockCellsFree() const {
    for (int k = 1; k <= 4; ++k) {
        const Cell c = blockCell(k);
        if (state_.playfield[c.row][c.column] != 0) return false;
    }
    return true;
}

void Piece::spawn() {
    y = 0;
    type = randomPieceType();
    angle = 0;
    x = 0;
    refreshPose();
}

// Settles the piece into its lock cells, brings in the next one and ends the game when that
// one's lock cells are taken. A piece whose own lock cells are already taken (cells that a row
// removal moved under it) has no room left: the game ends and nothing is written over.
void Piece::endFall() {
    if (!lockCellsFree()) {
        triggerGameOver(state_);
        return;
    }
    for (int k = 1; k <= 4; ++k) {
        const Cell c = blockCell(k);
        state_.playfield[c.row][c.column] = type;
    }
    spawn();
    if (!lockCellsFree()) triggerGameOver(state_);
}

void Piece::update() {
    GameState& s = state_;
    s.now = s.elapsedTime();
    landed = 0;
    refreshPose();
    // A piece shown over settled cells (after a spawn or a row removal) rests where it is:
    // a gravity step would carry it into them, so it settles into its lock cells instead.
    if (s.now - s.lastFallTime > s.fallInterval && s.halted == 0 && !shownCellsBlocked()) {
        y -= kCellSize;
        s.lastFallTime = s.now;
        refreshPose();
    }
    if (shownCellsBlocked()) landed = 1;
    if (landed == 1 && s.halted == 0) endFall();
}
