// The expected picture of the game window, and reading piece types and text off a shot.
#include "tests/e2e/picture.h"

#include <sstream>

namespace e2e {

namespace {

constexpr int kCell = 20;
constexpr int kTopRow = 19;
constexpr int kSpawnColumn = 4;

constexpr Rgb kColours[8] = {
    {0, 0, 0},
    {0, 0, 255},      // 1 S blue
    {255, 255, 0},    // 2 L yellow
    {0, 255, 0},      // 3 Z green
    {255, 0, 0},      // 4 I red
    {255, 0, 255},    // 5 J magenta
    {128, 128, 128},  // 6 T grey: half intensity rounds to 127 or 128
    {0, 255, 255},    // 7 O cyan
};

// Block offsets (column, row) of each type at its spawn orientation; block 1 is the pivot.
constexpr int kShapes[8][4][2] = {
    {{0, 0}, {0, 0}, {0, 0}, {0, 0}},
    {{0, 0}, {1, 1}, {0, 1}, {-1, 0}},   // S
    {{0, 0}, {1, 0}, {1, 1}, {-1, 0}},   // L
    {{0, 0}, {1, 0}, {0, 1}, {-1, 1}},   // Z
    {{0, 0}, {1, 0}, {2, 0}, {-1, 0}},   // I
    {{0, 0}, {1, 0}, {-1, 1}, {-1, 0}},  // J
    {{0, 0}, {1, 0}, {0, 1}, {-1, 0}},   // T
    {{0, 0}, {1, 1}, {0, 1}, {1, 0}},    // O
};

bool isGrey(Rgb colour) {
    return colour.red == colour.green && colour.green == colour.blue &&
           (colour.red == 127 || colour.red == 128);
}

bool sameColour(Rgb actual, Rgb expected) {
    return actual == expected || (isGrey(actual) && isGrey(expected));
}

bool inside(const Box& box, int x, int y) {
    return x >= box.x0 && x < box.x1 && y >= box.y0 && y < box.y1;
}

std::string describe(Rgb colour) {
    std::ostringstream text;
    text << '(' << int(colour.red) << ',' << int(colour.green) << ',' << int(colour.blue) << ')';
    return text.str();
}

}  // namespace

Rgb pieceColour(int type) { return type >= 1 && type <= 7 ? kColours[type] : kBlack; }

int typeOfColour(Rgb colour) {
    for (int type = 1; type <= 7; ++type) {
        if (sameColour(colour, kColours[type])) return type;
    }
    return 0;
}

Box cellSquare(int row, int column) {
    return Box{kCell * column + 1, kCell * row + 1, kCell * column + kCell - 1,
               kCell * row + kCell - 1};
}

const std::vector<Box>& statusLines() {
    static const std::vector<Box> lines = {kScoreLine, kHighestLine, kLevelLine, kLinesLine};
    return lines;
}

std::vector<Cell> spawnCells(int type, int columnShift) {
    std::vector<Cell> cells;
    if (type < 1 || type > 7) return cells;
    for (const auto& block : kShapes[type]) {
        // A new piece is shown one row below its lock row, so its upper blocks are off screen.
        const int row = kTopRow + block[1];
        if (row <= kTopRow) cells.push_back({row, kSpawnColumn + columnShift + block[0]});
    }
    return cells;
}

Picture::Picture() : text_(statusLines()) {}

Picture& Picture::cells(const std::vector<Cell>& where, int type) {
    for (const Cell& cell : where) squares_.push_back({cellSquare(cell.row, cell.column), pieceColour(type)});
    return *this;
}

Picture& Picture::text(const Box& box) {
    text_.push_back(box);
    return *this;
}

Rgb Picture::expected(int x, int y) const {
    Rgb colour = kBlack;
    for (const auto& [box, fill] : squares_) {
        if (inside(box, x, y)) colour = fill;
    }
    return colour;
}

bool Picture::inText(int x, int y) const {
    for (const Box& box : text_) {
        if (inside(box, x, y)) return true;
    }
    return false;
}

std::string Picture::differences(const Shot& shot) const {
    if (shot.width() != 200 || shot.height() != 400) return "the shot is not 200 x 400";
    std::ostringstream report;
    int count = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const Rgb actual = shot.at(x, y);
            const Rgb wanted = expected(x, y);
            if (sameColour(actual, wanted) || (actual == kWhite && inText(x, y))) continue;
            if (++count <= 5) {
                report << " (" << x << ',' << y << ") is " << describe(actual) << " not "
                       << describe(wanted) << ';';
            }
        }
    }
    if (count == 0) return "";
    return std::to_string(count) + " pixels differ:" + report.str();
}

Picture startPicture(int type, int columnShift) {
    Picture picture;
    picture.cells(spawnCells(type, columnShift), type);
    return picture;
}

int spawnedType(const Shot& shot) {
    const Box pivot = cellSquare(kTopRow, kSpawnColumn);
    return typeOfColour(shot.at(pivot.x0 + 9, pivot.y0 + 9));
}

std::string digitsMask(const Shot& shot, const Box& line, int digitsStart, int width) {
    return shot.whiteMask(Box{digitsStart, line.y0, digitsStart + width, line.y1});
}

int digitsStart(const Shot& shot, const Box& line) {
    const auto columnHasWhite = [&](int x) { return shot.anyWhite(Box{x, line.y0, x + 1, line.y1}); };
    int x = line.x1 - 1;
    while (x >= line.x0 && !columnHasWhite(x)) --x;
    while (x >= line.x0 && columnHasWhite(x)) --x;
    return x + 1;
}

}  // namespace e2e
