// A piece shown over settled cells rests where it stands: it never writes over a settled cell
// and never falls through one, whether gravity or a hard drop ends its fall.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "board.h"

namespace {

using fixture::board;
using fixture::Game;
using fixture::Rows;
using fixture::text;

// The three ways a fall ends: a frame whose gravity step is due, a frame before it is due, and
// a hard drop after the frame's row pass.
struct Way {
    const char* name;
    std::function<void(Game&)> act;
};
const Way kWays[] = {
    {"a frame with a gravity step due", [](Game& g) { g.frameAt(1001); }},
    {"a frame with no step due", [](Game& g) { g.frameAt(500); }},
    {"a hard drop", [](Game& g) { clearFullRows(g.state); g.piece.drop(); }},
};

Rows withHiddenRows(Rows visible, const Rows& hidden) {
    visible.insert(visible.begin(), hidden.begin(), hidden.end());
    return visible;
}

TEST(ShownOverSettledCells, ASpawnShownOverRow19SettlesIntoItsLockCellsAndTheGameEnds) {
    // The T spawns shown in row 19 (columns 3..5) over the top of a settled column.
    const Rows column(20, "....1.....");
    for (const Way& way : kWays) {
        SCOPED_TRACE(way.name);
        Game g(6, column);
        way.act(g);
        const Rows expected = withHiddenRows(column, {"..........", "....6.....", "...666...."});
        EXPECT_EQ(text(g.state.playfield), text(board(expected)));
        EXPECT_EQ(g.state.gameOver, 1);
        EXPECT_EQ(g.state.halted, 1);
        EXPECT_STREQ(g.state.messageText, "Game Over - press r to restart");
        EXPECT_EQ(g.state.score, 0);
        EXPECT_TRUE(g.atSpawnPose());
    }
}

TEST(ShownOverSettledCells, AShiftThatTakesTheSpawnClearLetsItFall) {
    Game g(6, Rows(20, "...1......"));  // under the T's left block only
    g.piece.moveRight(20);
    g.frameAt(1001);
    EXPECT_EQ(g.piece.row, 19);
    EXPECT_EQ(g.piece.column, 5);
    EXPECT_EQ(text(g.state.playfield), text(board(Rows(20, "...1......"))));
    EXPECT_EQ(g.state.gameOver, 0);
}

// A flat I at lock row 5 (columns 3..6), shown in row 4, has slid under the cell in (5, 4).
// Removing the full row 3 brings that cell down into the I's shown cells.
Rows underOverhang(const char* row6) {
    return {row6,
            "....2.....",
            "..........",
            "1111111111",
            "3.........",
            "3.........",
            "33333.3333"};
}

TEST(ShownOverSettledCells, ARowRemovalUnderThePieceSettlesItWhereItStandsOrEndsTheGame) {
    struct Case {
        const char* row6;
        const char* row5After;  // the I in its lock cells, or the cell that took one of them
        int gameOver;
    };
    const Case cases[] = {
        {"..........", "...4444...", 0},
        {"....2.....", "....2.....", 1},  // a lock cell is taken too: nothing is written
    };
    for (const Case& c : cases) {
        for (const Way& way : kWays) {
            SCOPED_TRACE(std::string(way.name) + ", row 6 " + c.row6);
            Game g(4, underOverhang(c.row6));
            g.place(4, 0, 4, 5);
            way.act(g);
            const Rows expected = {
                "..........",
                c.row5After,
                "....2.....",
                "..........",
                "3.........",
                "3.........",
                "33333.3333",
            };
            EXPECT_EQ(text(g.state.playfield), text(board(expected)));
            EXPECT_EQ(g.state.lines, 1);
            EXPECT_EQ(g.state.score, 40);  // the row only: a drop from here falls no row
            EXPECT_EQ(g.state.gameOver, c.gameOver);
            EXPECT_EQ(g.state.halted, c.gameOver);
            if (c.gameOver == 1) {
                EXPECT_STREQ(g.state.messageText, "Game Over - press r to restart");
                EXPECT_EQ(g.piece.row, 5);  // neither moved nor replaced
                EXPECT_EQ(g.piece.type, 4);
            } else {
                EXPECT_TRUE(g.atSpawnPose());
            }
        }
    }
}

TEST(ShownOverSettledCells, WhileHaltedThePieceStaysBlockedAndUnsettled) {
    Game g(6, Rows(20, "....1....."));
    g.state.halted = 1;
    g.frameAt(5000);
    EXPECT_EQ(g.piece.landed, 1);
    EXPECT_EQ(text(g.state.playfield), text(board(Rows(20, "....1....."))));
    EXPECT_TRUE(g.atSpawnPose());
    EXPECT_EQ(g.state.gameOver, 0);
}

}  // namespace
