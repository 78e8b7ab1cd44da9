// The settled cells as drawn by the playfield pass, read back from the window.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "gl_window.h"
#include "picture.h"
#include "render/draw.h"

namespace {

using PlayfieldDrawTest = DrawTest;

Frame drawFrame(GameState& state) {
    glClear(GL_COLOR_BUFFER_BIT);
    drawPlayfield(state);
    return Frame::readBack();
}

struct PlacedCell {
    int type;
    int row;
    int column;
};

TEST_F(PlayfieldDrawTest, SettledCellFillsItsInsetSquareInItsColourWithABlackMargin) {
    const std::vector<PlacedCell> cases = {
        {1, 0, 0}, {2, 0, 9}, {3, 19, 0}, {4, 19, 9}, {5, 10, 4}, {6, 7, 2}, {7, 13, 6},
    };
    for (const PlacedCell& cell : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << cell.type << " at row " << cell.row
                                          << ", column " << cell.column);
        GameState state;
        state.playfield[cell.row][cell.column] = cell.type;
        const Frame frame = drawFrame(state);
        EXPECT_TRUE(rectShows(frame, insetSquare(cell.row, cell.column), ColourTable[cell.type]));
        EXPECT_EQ(litPixelCount(frame), 18 * 18);
    }
}

TEST_F(PlayfieldDrawTest, NeighbouringBlocksKeepTwoPixelsOfBlackBetweenThem) {
    GameState state;
    state.playfield = bottomRows({
        "1.......7.",
        "23456712..",
        "7654321.36",
    });
    EXPECT_TRUE(pictureShowsBoard(drawFrame(state), state.playfield));
}

TEST_F(PlayfieldDrawTest, RowsAboveTheWindowAndCodesOutsideOneToSevenDrawNothing) {
    GameState state;
    for (int row = kVisibleRows; row < kFieldRows; ++row) {
        for (int column = 0; column < kFieldColumns; ++column) {
            state.playfield[row][column] = 1 + (row + column) % 7;
        }
    }
    const int unknownCodes[] = {8, -1, 100, 0};
    for (int i = 0; i < 4; ++i) {
        for (int column = 0; column < kFieldColumns - 1; ++column) {
            state.playfield[5 * i][column] = unknownCodes[i];
            state.playfield[5 * i + 1][column + 1] = unknownCodes[(i + 1) % 4];
        }
    }
    EXPECT_EQ(litPixelCount(drawFrame(state)), 0);
}

// The frame that removes a full row still shows its squares where the row moving down into
// its place has none; the frame after shows only the new board.
struct RemovalCase {
    const char* name;
    Playfield before;
    Playfield removalFrame;
    Playfield nextFrame;
    int linesRemoved;
};

TEST_F(PlayfieldDrawTest, RemovedRowStillShowsInItsOwnFrameOnly) {
    const std::vector<RemovalCase> cases = {
        {"a full bottom row",
         bottomRows({"2.........",
                     "1111111111"}),
         bottomRows({"2111111111"}),
         bottomRows({"2........."}), 1},
        {"two full rows under a partial one",
         bottomRows({"...6......",
                     "4444444444",
                     "1111111111"}),
         bottomRows({"4446444444"}),
         bottomRows({"...6......"}), 2},
        {"a full top row",
         topRows({"3333333333",
                  ".5........"}),
         topRows({"3333333333",
                  ".5........"}),
         topRows({"..........",
                  ".5........"}), 1},
    };
    for (const RemovalCase& removal : cases) {
        SCOPED_TRACE(removal.name);
        GameState state;
        state.playfield = removal.before;
        EXPECT_TRUE(pictureShowsBoard(drawFrame(state), removal.removalFrame));
        EXPECT_EQ(state.lines, removal.linesRemoved);
        EXPECT_TRUE(pictureShowsBoard(drawFrame(state), removal.nextFrame));
    }
}

}  // namespace
