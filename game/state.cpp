// The process-wide state and the one Piece, and the formatting of the status texts.
#include "game/state.h"

#include <cstdio>
#include <cstring>

#include "game/piece.h"

int noElapsedTime() { return 0; }

// Defined together and in this order: the Piece's constructor writes into `game`.
GameState game;
Piece piece{game};

void formatHighestText(GameState& state) {
    std::snprintf(state.highestText, sizeof state.highestText, "Highest: %d", state.highest);
}

void refreshStatusTexts(GameState& state) {
    formatHighestText(state);
    std::snprintf(state.scoreText, sizeof state.scoreText, "Score: %d", state.score);
    std::snprintf(state.levelText, sizeof state.levelText, "Level: %d", state.level);
    std::snprintf(state.linesText, sizeof state.linesText, "Lines: %d", state.lines);
}

void setMessageText(GameState& state, const char* text) {
    std::snprintf(state.messageText, sizeof state.messageText, "%s", text);
}
