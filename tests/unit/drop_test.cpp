// The hard drop: rows fallen as points, where the piece settles, the next piece and the game over.
#include <gtest/gtest.h>

#include "board.h"

namespace {

using fixture::board;
using fixture::Game;
using fixture::Rows;
using fixture::text;

TEST(HardDrop, FromSpawnOntoAnEmptyFieldFallsNineteenRowsForEveryType) {
    const Rows expected[8] = {
        {},
        {"....11....", "...11....."},  // S
        {".....2....", "...222...."},  // L
        {"...33.....", "....33...."},  // Z
        {"...4444..."},                // I
        {"...5......", "...555...."},  // J
        {"....6.....", "...666...."},  // T
        {"....77....", "....77...."},  // O
    };
    for (int type = 1; type <= 7; ++type) {
        SCOPED_TRACE("type " + std::to_string(type));
        Game g(type);
        g.piece.drop();
        EXPECT_EQ(text(g.state.playfield), text(board(expected[type])));
        EXPECT_EQ(g.state.score, 19);
        EXPECT_EQ(g.state.highest, 19);
        EXPECT_STREQ(g.state.scoreText, "Score: 19");
        EXPECT_STREQ(g.state.highestText, "Highest: 19");
        EXPECT_TRUE(g.atSpawnPose());
        EXPECT_EQ(g.state.halted, 0);
    }
}

TEST(HardDrop, OfARestingPieceAddsNothingAndSettlesWhereItIsShown) {
    Game g(6, {"..........", "...2......", "2222222.22"});
    g.place(6, 0, 4, 3);
    g.state.score = 70;
    g.state.highest = 500;
    g.piece.drop();
    const Playfield expected = board({
        "....6.....",
        "...666....",
        "...2......",
        "2222222.22",
    });
    EXPECT_EQ(text(g.state.playfield), text(expected));
    EXPECT_EQ(g.state.score, 70);
    EXPECT_EQ(g.state.highest, 500);
    EXPECT_STREQ(g.state.scoreText, "Score: 70");
    EXPECT_STREQ(g.state.highestText, "Highest: 500");
}

TEST(HardDrop, LeavesTheGravityClockAlone) {
    Game g(4);
    g.state.lastFallTime = 300;
    g.frameAt(1200);  // 900 ms since the last step: none yet
    g.piece.drop();
    EXPECT_EQ(g.state.lastFallTime, 300);
    g.frameAt(1301);  // the new piece steps 101 ms after its spawn
    EXPECT_EQ(g.piece.y, -20);
}

TEST(HardDrop, WhoseNextPieceFindsALockCellTakenEndsTheGame) {
    // An upright I falls one row onto the column and keeps the spawn pivot cell (20, 4).
    Rows column(17, "....1.....");
    Game g(4, column);
    g.piece.rotate(90);
    g.piece.drop();
    Rows expected(23, "..........");
    for (int row = 0; row <= 16; ++row) expected[22 - row] = "....1.....";
    for (int row = 17; row <= 20; ++row) expected[22 - row] = "....4.....";
    EXPECT_EQ(text(g.state.playfield), text(board(expected)));
    EXPECT_EQ(g.state.halted, 1);
    EXPECT_EQ(g.state.gameOver, 1);
    EXPECT_STREQ(g.state.messageText, "Game Over - press r to restart");
    EXPECT_EQ(g.state.score, 1);
    EXPECT_STREQ(g.state.scoreText, "Score: 1");
    EXPECT_STREQ(g.state.highestText, "Highest: 1");
    EXPECT_TRUE(g.atSpawnPose());  // the new piece stays where it spawned
}

TEST(HardDrop, ASecondDropBeforeTheNextFrameLandsOnTheFullRowThatIsStillThere) {
    Game g(4, {"....111111"});
    g.place(4, 0, 1, 20);
    g.piece.drop();  // into row 0, columns 0..3: row 0 is full
    g.place(4, 0, 1, 20);
    g.piece.drop();  // onto the first one
    EXPECT_EQ(text(g.state.playfield), text(board({"4444......", "4444111111"})));
    EXPECT_EQ(g.state.score, 19 + 18);
    g.frameAt(1);
    EXPECT_EQ(text(g.state.playfield), text(board({"4444......"})));
    EXPECT_EQ(g.state.lines, 1);
    EXPECT_EQ(g.state.score, 37 + 40);
}

}  // namespace
