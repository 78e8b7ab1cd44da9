// Pausing, resuming and restarting: the run states that the p and r keys steer.
#pragma once

#include "game/state.h"

// p: halts the game; while paused or over it changes nothing.
void pauseGame(GameState& state);

// r: resumes a paused game; after a game over, saves the best score and starts a new game first.
void resumeGame(GameState& state);

// Saves the best score and resets the counters, the texts and the Playfield. A save that fails
// is reported on stderr and the new game starts all the same.
void restartGame(GameState& state);

// Loads the best score from score.dat and shows it; 0 when there is none.
void loadBestScore(GameState& state);

void emptyPlayfield(GameState& state);
