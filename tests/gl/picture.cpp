// Reading the back buffer and comparing it with the colours and boards the game should show.
#include "picture.h"

#include <GL/gl.h>

#include <cmath>
#include <sstream>

namespace {

bool channelShows(int byte, float value) {
    const float exact = value * 255.0f;
    return byte == static_cast<int>(std::floor(exact)) || byte == static_cast<int>(std::ceil(exact));
}

// What the settled-cell picture of the board holds at pixel (x, y), or black.
Colour boardColourAt(const Playfield& board, int x, int y) {
    const int row = y / kCellSize;
    const int column = x / kCellSize;
    const int value = board[row][column];
    if (value < 1 || value > 7 || !insetSquare(row, column).contains(x, y)) return kBlack;
    return ColourTable[value];
}

}  // namespace

std::string describe(const Rgb& pixel) {
    std::ostringstream text;
    text << "(" << pixel.red << ", " << pixel.green << ", " << pixel.blue << ")";
    return text.str();
}

bool shows(const Rgb& pixel, const Colour& colour) {
    return channelShows(pixel.red, colour.red) && channelShows(pixel.green, colour.green) &&
           channelShows(pixel.blue, colour.blue);
}

Rect insetSquare(int row, int column) {
    return {kCellSize * column + 1, kCellSize * row + 1, kCellSize * column + 18,
            kCellSize * row + 18};
}

Frame Frame::readBack() {
    Frame frame;
    frame.bytes_.assign(3 * kPictureWidth * kPictureHeight, 0);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kPictureWidth, kPictureHeight, GL_RGB, GL_UNSIGNED_BYTE,
                 frame.bytes_.data());
    return frame;
}

Rgb Frame::at(int x, int y) const {
    const std::size_t offset = 3 * (static_cast<std::size_t>(y) * kPictureWidth + x);
    return {bytes_[offset], bytes_[offset + 1], bytes_[offset + 2]};
}

::testing::AssertionResult rectShows(const Frame& frame, const Rect& rect, const Colour& colour) {
    for (int y = rect.bottom; y <= rect.top; ++y) {
        for (int x = rect.left; x <= rect.right; ++x) {
            if (!shows(frame.at(x, y), colour)) {
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << describe(frame.at(x, y));
            }
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult pictureShowsBoard(const Frame& frame, const Playfield& board) {
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            const Colour expected = boardColourAt(board, x, y);
            if (!shows(frame.at(x, y), expected)) {
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") of cell (" << y / kCellSize << ", "
                       << x / kCellSize << ") is " << describe(frame.at(x, y)) << ", expected ("
                       << expected.red << ", " << expected.green << ", " << expected.blue << ")";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// Fills rows downward from topRow, one line each.
static Playfield boardFrom(std::initializer_list<const char*> lines, int topRow) {
    Playfield board{};
    int row = topRow;
    for (const char* line : lines) {
        for (int column = 0; column < kFieldColumns && line[column] != '\0'; ++column) {
            board[row][column] = line[column] == '.' ? 0 : line[column] - '0';
        }
        --row;
    }
    return board;
}

Playfield bottomRows(std::initializer_list<const char*> lines) {
    return boardFrom(lines, static_cast<int>(lines.size()) - 1);
}

Playfield topRows(std::initializer_list<const char*> lines) {
    return boardFrom(lines, kVisibleRows - 1);
}

int litPixelCount(const Frame& frame) {
    int count = 0;
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            if (frame.at(x, y) != kBlackPixel) ++count;
        }
    }
    return count;
}
