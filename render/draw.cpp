// The settled cells and the status lines.
#include "render/draw.h"

#include <GL/freeglut.h>

#include "game/rows.h"

namespace {

bool isPieceType(int value) { return value >= 1 && value <= 7; }

void setColour(const Colour& colour) { glColor3f(colour.red, colour.green, colour.blue); }

// Where a status line starts: the baseline origin of its first character.
struct TextPlace {
    float x;
    float y;
};
constexpr TextPlace kMessagePlace = {20, 200};
constexpr TextPlace kHighestPlace = {5, 370};
constexpr TextPlace kScorePlace = {5, 385};
constexpr TextPlace kLevelPlace = {140, 385};
constexpr TextPlace kLinesPlace = {140, 370};
constexpr Colour kWhite = {1.0f, 1.0f, 1.0f};

void drawLine(TextPlace place, const char* text) { drawText(place.x, place.y, statusFont, text); }

// A settled block: an 18 x 18 square inside its cell, leaving a one-pixel black margin.
void drawRowCells(const PlayfieldRow& cells, int row) {
    for (int column = 0; column < kFieldColumns; ++column) {
        const int value = cells[column];
        if (!isPieceType(value)) continue;
        glPushMatrix();
        setColour(ColourTable[value]);
        glTranslated(kCellSize * column, kCellSize * row, 0);
        drawQuad(1, 1, 19, 19);
        glPopMatrix();
    }
}

}  // namespace

void drawPlayfield(GameState& state) { playfieldPass(state, drawRowCells); }

void drawStatus(const GameState& state) {
    if (state.halted == 1) {
        setColour(kWhite);
        drawLine(kMessagePlace, state.messageText);
    }
    setColour(kWhite);
    drawLine(kHighestPlace, state.highestText);
    drawLine(kScorePlace, state.scoreText);
    drawLine(kLevelPlace, state.levelText);
    drawLine(kLinesPlace, state.linesText);
}
