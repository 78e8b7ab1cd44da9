// Reading the drawn picture back and comparing it with colours, rectangles and boards.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "game/state.h"
#include "render/draw.h"

constexpr int kPictureWidth = 200;
constexpr int kPictureHeight = 400;

struct Rgb {
    int red;
    int green;
    int blue;
    bool operator==(const Rgb& other) const {
        return red == other.red && green == other.green && blue == other.blue;
    }
    bool operator!=(const Rgb& other) const { return !(*this == other); }
};

constexpr Rgb kBlackPixel = {0, 0, 0};
constexpr Rgb kWhitePixel = {255, 255, 255};
constexpr Colour kBlack = {0.0f, 0.0f, 0.0f};

std::string describe(const Rgb& pixel);

// A channel of 0.5 may read back as 127 or 128: either neighbour of the exact byte is taken.
bool shows(const Rgb& pixel, const Colour& colour);

// Pixels x, y inclusive; y counts up from the bottom, like the drawing space.
struct Rect {
    int left;
    int bottom;
    int right;
    int top;
    bool contains(int x, int y) const { return x >= left && x <= right && y >= bottom && y <= top; }
};

// The inset square a settled block of cell (row, column) fills: 18 x 18 pixels.
Rect insetSquare(int row, int column);

// The back buffer as it stands, read once.
class Frame {
public:
    static Frame readBack();
    Rgb at(int x, int y) const;

private:
    std::vector<unsigned char> bytes_;
};

// Every pixel of the rectangle shows the colour.
::testing::AssertionResult rectShows(const Frame& frame, const Rect& rect, const Colour& colour);

// The whole picture is the settled-cell picture of the board: every visible cell of type 1..7
// fills its inset square in its colour, everything else is black.
::testing::AssertionResult pictureShowsBoard(const Frame& frame, const Playfield& board);

// Boards from text, '.' empty and a digit a settled block of that type, the top line first:
// bottomRows ends with row 0, topRows starts with row 19; the rows not given are empty.
Playfield bottomRows(std::initializer_list<const char*> lines);
Playfield topRows(std::initializer_list<const char*> lines);

// Pixels that are not black.
int litPixelCount(const Frame& frame);
