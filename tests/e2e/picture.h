// What the game window should show: cell squares, piece colours and where the text lines go.
#pragma once

#include <string>
#include <vector>

#include "tests/e2e/harness.h"

namespace e2e {

// The colour of each piece type 1..7 as the screen shows it; index 0 is black.
Rgb pieceColour(int type);
// The piece type drawn in this colour, 0 for none.
int typeOfColour(Rgb colour);

// The 18 x 18 square drawn inside cell (row, column), row 0 at the bottom.
Box cellSquare(int row, int column);

// The boxes the five text lines are drawn in, from the deepest descender to the tallest capital.
constexpr Box kScoreLine = {5, 382, 135, 395};
constexpr Box kHighestLine = {5, 367, 135, 380};
constexpr Box kLevelLine = {140, 382, 200, 395};
constexpr Box kLinesLine = {140, 367, 200, 380};
constexpr Box kMessageLine = {20, 197, 200, 210};
const std::vector<Box>& statusLines();

struct Cell {
    int row;
    int column;
};

// The visible cells of a freshly spawned piece, shifted sideways by `columnShift` columns.
std::vector<Cell> spawnCells(int type, int columnShift = 0);

// The expected picture: black, coloured squares, and text boxes in which white glyphs may
// cover what lies under them.
class Picture {
public:
    Picture();  // the four status lines, nothing else
    Picture& cells(const std::vector<Cell>& where, int type);
    Picture& text(const Box& box);
    // Empty when the shot matches; otherwise how many pixels differ, and the first few.
    std::string differences(const Shot& shot) const;

private:
    Rgb expected(int x, int y) const;
    bool inText(int x, int y) const;

    std::vector<std::pair<Box, Rgb>> squares_;
    std::vector<Box> text_;
};

// The picture the game should show at start: the status lines and `type` at its spawn pose.
Picture startPicture(int type, int columnShift = 0);

// The type of the falling piece right after a spawn, read from its pivot square.
int spawnedType(const Shot& shot);

// The digits of a status line: its glyphs from `digitsStart` on, where the number begins.
std::string digitsMask(const Shot& shot, const Box& line, int digitsStart, int width);
// Where the number of a line showing a single '0' begins: the column after the gap before it.
int digitsStart(const Shot& shot, const Box& line);

}  // namespace e2e
