// The falling piece as drawn at its pose, read back from the window.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "game/piece.h"
#include "gl_window.h"
#include "picture.h"
#include "render/draw.h"

namespace {

class PieceDrawTest : public DrawTest {
protected:
    // The piece at a pose, with the lock row and column that pose implies.
    Piece pieceAt(int type, int angle, int x, int y) {
        Piece placed{state_};
        placed.type = type;
        placed.angle = angle;
        placed.x = x;
        placed.y = y;
        placed.row = y / kCellSize + 20;
        placed.column = x / kCellSize + 4;
        return placed;
    }

    static Frame drawFrame(const Piece& shown) {
        glClear(GL_COLOR_BUFFER_BIT);
        drawPiece(shown);
        return Frame::readBack();
    }

    GameState state_;
};

// Where the piece should appear: every block one row below its lock cell, in the piece's
// type; blocks above the window are not seen.
Playfield shownBoard(const Piece& shown) {
    Playfield board{};
    for (int k = 1; k <= 4; ++k) {
        const Cell lock = shown.blockCell(k);
        if (lock.column < 0 || lock.column >= kFieldColumns) {
            ADD_FAILURE() << "block " << k << " lies off the grid: choose another pose";
            continue;
        }
        if (lock.row - 1 >= 0 && lock.row - 1 < kVisibleRows) {
            board[lock.row - 1][lock.column] = shown.type;
        }
    }
    return board;
}

struct SpawnCase {
    int type;
    Playfield shown;
};

TEST_F(PieceDrawTest, SpawnPoseShowsOnlyTheLowerBlocksInTheTopRow) {
    const std::vector<SpawnCase> cases = {
        {1, topRows({"...11....."})},
        {2, topRows({"...222...."})},
        {3, topRows({"....33...."})},
        {4, topRows({"...4444..."})},
        {5, topRows({"...555...."})},
        {6, topRows({"...666...."})},
        {7, topRows({"....77...."})},
    };
    for (const SpawnCase& spawn : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << spawn.type);
        EXPECT_TRUE(pictureShowsBoard(drawFrame(pieceAt(spawn.type, 0, 0, 0)), spawn.shown));
    }
}

TEST_F(PieceDrawTest, UprightIPieceAtTheSpawnShowsTwoBlocksOfItsBar) {
    EXPECT_TRUE(pictureShowsBoard(drawFrame(pieceAt(4, 90, 0, 0)),
                                  topRows({"....4.....",
                                           "....4....."})));
}

TEST_F(PieceDrawTest, EveryTypeAndAngleLandsInTheInsetSquaresOfItsShownCells) {
    struct Pose {
        int x;
        int y;
    };
    const Pose poses[] = {{0, 0}, {0, -200}, {-40, -340}, {60, -20}, {40, -100}};
    for (int type = 1; type <= 7; ++type) {
        for (int angle : {0, 90, 180, 270}) {
            for (const Pose& pose : poses) {
                SCOPED_TRACE(::testing::Message() << "type " << type << ", angle " << angle
                                                  << ", x " << pose.x << ", y " << pose.y);
                const Piece shown = pieceAt(type, angle, pose.x, pose.y);
                EXPECT_TRUE(pictureShowsBoard(drawFrame(shown), shownBoard(shown)));
            }
        }
    }
}

TEST_F(PieceDrawTest, PieceIsDrawnOverTheSettledCellsItOverlaps) {
    GameState settled;
    settled.playfield = bottomRows({
        "..1111....",
        ".222222...",
        "3333.3333.",
    });
    const Piece shown = pieceAt(6, 180, 0, -360);  // T upside down, shown in rows 1 and 0
    Playfield expected = settled.playfield;
    for (int k = 1; k <= 4; ++k) {
        const Cell lock = shown.blockCell(k);
        expected[lock.row - 1][lock.column] = 6;
    }
    glClear(GL_COLOR_BUFFER_BIT);
    drawPlayfield(settled);
    drawPiece(shown);
    EXPECT_TRUE(pictureShowsBoard(Frame::readBack(), expected));
}

TEST_F(PieceDrawTest, TypeOutsideOneToSevenDrawsNothingAndKeepsTheColour) {
    for (int type : {0, 8, -1}) {
        SCOPED_TRACE(::testing::Message() << "type " << type);
        glColor3f(0.25f, 0.5f, 0.75f);
        EXPECT_EQ(litPixelCount(drawFrame(pieceAt(type, 0, 0, -200))), 0);
        GLfloat colour[4] = {};
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_FLOAT_EQ(colour[0], 0.25f);
        EXPECT_FLOAT_EQ(colour[1], 0.5f);
        EXPECT_FLOAT_EQ(colour[2], 0.75f);
    }
}

}  // namespace
