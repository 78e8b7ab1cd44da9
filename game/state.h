// The one process-wide game state: playfield, counters, flags and status texts.
#pragma once

#include <array>

constexpr int kFieldRows = 23;    // rows 20..22 lie above the window and are never drawn
constexpr int kVisibleRows = 20;
constexpr int kFieldColumns = 10;
constexpr int kCellSize = 20;     // pixels of the drawing space per cell

// 0 is an empty cell, 1..7 the PieceType of a settled block. Row 0 is the bottom row.
using PlayfieldRow = std::array<int, kFieldColumns>;
using Playfield = std::array<PlayfieldRow, kFieldRows>;

// Milliseconds since start-up. The game reads GLUT's clock; tests set exact values.
using ElapsedTimeSource = int (*)();
int noElapsedTime();

// Room for the longest text and its terminator: "Highest: -2147483648" is 20 characters.
constexpr int kStatusTextSize = 21;
// "Game Over - press r to restart" is 30 characters.
constexpr int kMessageTextSize = 31;

constexpr char kPauseText[] = "Paused - press r to resume";
constexpr char kGameOverText[] = "Game Over - press r to restart";

// Every member has a constant initial value, so the one instance is ready during static
// initialisation, before the Piece's constructor writes the texts.
struct GameState {
    Playfield playfield{};
    int fallInterval = 1000;  // ms between two gravity steps, 100..1000
    int lastFallTime = 0;     // `now` at the last gravity step
    int now = 0;              // elapsed ms, sampled at the start of every piece update
    int lines = 0;
    int level = 0;            // lines / 10
    int score = 0;
    int highest = 0;          // best score: the stored one or any higher score since
    int halted = 0;           // 1 while paused or over
    int gameOver = 0;         // 1 from a game over until the restart
    char highestText[kStatusTextSize] = {};
    char scoreText[kStatusTextSize] = {};
    char levelText[kStatusTextSize] = {};
    char linesText[kStatusTextSize] = {};
    char messageText[kMessageTextSize] = {};
    ElapsedTimeSource elapsedTime = noElapsedTime;
};

class Piece;

extern GameState game;  // the process-wide state
extern Piece piece;     // the one falling piece, built before main runs

// Formats the Highest, Score, Level and Lines lines from their counters.
void refreshStatusTexts(GameState& state);
void formatHighestText(GameState& state);
void setMessageText(GameState& state, const char* text);
