// Gravity by the exact clock: when a step comes, where a resting piece settles, and halting.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "board.h"
#include "game/run_state.h"

namespace {

using fixture::board;
using fixture::Game;
using fixture::Rows;
using fixture::text;

TEST(Gravity, StepsOnlyWhenMoreThanTheIntervalHasPassed) {
    struct Case {
        int fallInterval;
        int lastFallTime;
        int nowMs;
        bool steps;
    };
    const Case cases[] = {
        {1000, 0, 0, false},     {1000, 0, 1000, false},  {1000, 0, 1001, true},
        {100, 5000, 5100, false}, {100, 5000, 5101, true}, {500, 200, 90000, true},
    };
    for (const Case& c : cases) {
        Game g(6);
        g.state.fallInterval = c.fallInterval;
        g.state.lastFallTime = c.lastFallTime;
        g.frameAt(c.nowMs);
        SCOPED_TRACE("interval " + std::to_string(c.fallInterval) + " last " +
                     std::to_string(c.lastFallTime) + " now " + std::to_string(c.nowMs));
        EXPECT_EQ(g.state.now, c.nowMs);
        EXPECT_EQ(g.piece.y, c.steps ? -20 : 0);
        EXPECT_EQ(g.piece.row, c.steps ? 19 : 20);
        EXPECT_EQ(g.state.lastFallTime, c.steps ? c.nowMs : c.lastFallTime);
    }
}

TEST(Gravity, SlowFramesFallOneRowEachAndMissedStepsAreNotMadeUp) {
    Game g(4);
    g.frameAt(3500);
    EXPECT_EQ(g.piece.y, -20);
    g.frameAt(3600);  // only 100 ms since the step that took the sample itself
    EXPECT_EQ(g.piece.y, -20);
    g.frameAt(9000);
    EXPECT_EQ(g.piece.y, -40);
    g.frameAt(30000);
    EXPECT_EQ(g.piece.y, -60);
    EXPECT_EQ(g.state.lastFallTime, 30000);
}

TEST(Gravity, AFallFromSpawnToTheFloorTakesTwentySteps) {
    Game g(7);
    int nowMs = 0;
    for (int step = 1; step <= 19; ++step) {
        g.frameAt(nowMs += 1001);
        ASSERT_EQ(g.piece.row, 20 - step);
        ASSERT_EQ(fixture::settledCount(g.state.playfield), 0) << "settled early at step " << step;
    }
    g.frameAt(nowMs += 1001);
    const Playfield expected = board({
        "....77....",
        "....77....",
    });
    EXPECT_EQ(text(g.state.playfield), text(expected));
    EXPECT_TRUE(g.atSpawnPose());
}

// A T resting on a ledge: shown in row 2 (columns 3..5) and row 3 (column 4), its left block
// above the cell in row 1, column 3. Player moves come before the next gravity step.
const Rows kLedge = {
    "..........",
    "..........",
    "...2......",
    "2222222.22",
};

TEST(Gravity, ARestingPieceSettlesWhereItWasLastShownAtTheNextStepUnlessMovedOffTheLedge) {
    struct Case {
        const char* name;
        std::function<void(Piece&)> moves;
        Rows expected;
        bool settled;
    };
    const Case cases[] = {
        {"no move", [](Piece&) {},
         {"....6.....", "...666....", "...2......", "2222222.22"}, true},
        {"a shift that stays on the ledge", [](Piece& p) { p.moveLeft(20); },
         {"...6......", "..666.....", "...2......", "2222222.22"}, true},
        {"a turn that stays on the ledge", [](Piece& p) { p.rotate(90); },
         {"....6.....", "...66.....", "...26.....", "2222222.22"}, true},
        {"a shift off the ledge", [](Piece& p) { p.moveRight(20); }, kLedge, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game g(6, kLedge);
        g.place(6, 0, 4, 3);
        g.frameAt(1000);  // not yet due: the piece rests and stays movable
        EXPECT_EQ(g.piece.landed, 0);
        c.moves(g.piece);
        g.frameAt(1001);
        EXPECT_EQ(text(g.state.playfield), text(board(c.expected)));
        EXPECT_EQ(g.atSpawnPose(), c.settled);
    }
}

TEST(Gravity, APieceMovedOffTheLedgeFallsOnAndSettlesLower) {
    Game g(6, kLedge);
    g.place(6, 0, 4, 3);
    g.piece.moveRight(20);
    g.frameAt(1001);
    EXPECT_EQ(g.piece.row, 2);
    g.frameAt(2002);
    const Playfield expected = board({
        ".....6....",
        "...2666...",
        "2222222.22",
    });
    EXPECT_EQ(text(g.state.playfield), text(expected));
    EXPECT_TRUE(g.atSpawnPose());
}

TEST(Gravity, WhileHaltedNothingFallsOrSettlesButThePoseIsKeptCurrent) {
    // Shown over the ledge cell: blocked, yet halted.
    Game g(6, kLedge);
    g.place(6, 0, 4, 2);
    g.piece.column = 0;
    pauseGame(g.state);
    g.frameAt(50000);
    EXPECT_EQ(g.state.now, 50000);
    EXPECT_EQ(g.piece.y, -360);
    EXPECT_EQ(g.piece.column, 4);
    EXPECT_EQ(g.piece.landed, 1);
    EXPECT_EQ(g.state.lastFallTime, 0);
    EXPECT_EQ(text(g.state.playfield), text(board(kLedge)));
}

TEST(Gravity, AfterAPauseLongerThanTheIntervalTheFirstFrameStepsAtOnce) {
    Game g(2);
    pauseGame(g.state);
    g.frameAt(800);
    g.frameAt(5000);
    EXPECT_EQ(g.piece.y, 0);
    resumeGame(g.state);
    g.frameAt(5001);
    EXPECT_EQ(g.piece.y, -20);
    EXPECT_EQ(g.state.lastFallTime, 5001);
}

}  // namespace
