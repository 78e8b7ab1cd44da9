// Row removal, scoring and the speed table.
#include "game/rows.h"

namespace {

// Points for the rows removed in one pass, before the level multiplier; five or more earn none.
constexpr int kPointsForRows[] = {0, 40, 100, 300, 1200};
constexpr int kMostScoredRows = 4;

constexpr int kSlowestFallInterval = 1000;
constexpr int kFastestFallInterval = 100;
constexpr int kSpeedUpPerLevel = 100;
constexpr int kLinesPerLevel = 10;

}  // namespace

bool rowIsFull(const PlayfieldRow& row) {
    for (int cell : row) {
        if (cell == 0) return false;
    }
    return true;
}

void removeRow(GameState& state, int r) {
    state.lines += 1;
    for (int a = r; a < kVisibleRows - 1; ++a) state.playfield[a] = state.playfield[a + 1];
    state.playfield[kVisibleRows - 1] = PlayfieldRow{};
    state.level = state.lines / kLinesPerLevel;
    if (state.fallInterval > kFastestFallInterval) {
        state.fallInterval = kSlowestFallInterval - kSpeedUpPerLevel * state.level;
    }
}

void scorePass(GameState& state, int rowsRemoved) {
    if (rowsRemoved == 0) return;
    if (rowsRemoved <= kMostScoredRows) {
        state.score += kPointsForRows[rowsRemoved] * (state.level + 1);
    }
    if (state.score > state.highest) state.highest = state.score;
    refreshStatusTexts(state);
}

void clearFullRows(GameState& state) {
    playfieldPass(state, [](const PlayfieldRow&, int) {});
}
