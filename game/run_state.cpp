// Pause, resume and restart, and the best score's load and save.
#include "game/run_state.h"

#include <cstdio>
#include <string>

#include "game/score_file.h"

void pauseGame(GameState& state) { state.halted = 1; }

void resumeGame(GameState& state) {
    if (state.gameOver == 1) restartGame(state);
    state.halted = 0;
}

void emptyPlayfield(GameState& state) { state.playfield = Playfield{}; }

void restartGame(GameState& state) {
    std::string error;
    if (!writeBestScore(kScoreFileName, state.highest, error)) {
        std::fprintf(stderr, "tumbrix: best score %d not saved to %s: %s\n", state.highest,
                     kScoreFileName, error.c_str());
    }
    state.fallInterval = 1000;
    state.lines = 0;
    state.level = 0;
    state.score = 0;
    state.gameOver = 0;
    refreshStatusTexts(state);
    setMessageText(state, kPauseText);
    emptyPlayfield(state);
}

void loadBestScore(GameState& state) {
    state.highest = readBestScore(kScoreFileName);
    formatHighestText(state);
}
