// The player's turns and shifts: which fit, which are refused, and that none of them settles.
#include <gtest/gtest.h>

#include <string>

#include "board.h"

namespace {

using fixture::board;
using fixture::describe;
using fixture::Game;
using fixture::Rows;
using fixture::text;

struct Pose {
    int type;
    int angle;
    int column;
    int row;
};

// Rows 0..6 with one settled cell.
Rows oneCell(int row, int column) {
    Rows rows(7, "..........");
    rows[6 - row][column] = '1';
    return rows;
}

std::string name(const Pose& p) {
    return "type " + std::to_string(p.type) + " angle " + std::to_string(p.angle) + " column " +
           std::to_string(p.column) + " row " + std::to_string(p.row);
}

TEST(Turn, FitsOnlyWhenEveryTurnedBlockIsInsideAndShownOnAFreeCell) {
    struct Case {
        Pose pose;
        Rows rows;
        bool turns;
    };
    const Rows empty;
    // The T at row 5, column 4 turned to 90 is shown in (4,4), (5,4), (4,3) and (3,4).
    const Case cases[] = {
        {{4, 90, 0, 10}, empty, false},  // upright I against the left wall
        {{4, 90, 1, 10}, empty, false},
        {{4, 90, 2, 10}, empty, true},
        {{4, 90, 9, 10}, empty, false},  // against the right wall
        {{4, 90, 8, 10}, empty, true},
        {{4, 270, 0, 10}, empty, false},
        {{4, 270, 1, 10}, empty, true},
        {{4, 270, 7, 10}, empty, true},
        {{4, 270, 8, 10}, empty, false},
        {{4, 270, 9, 10}, empty, false},
        {{4, 0, 4, 1}, empty, false},    // flat I shown in row 0: the turn reaches below the floor
        {{4, 0, 4, 2}, empty, true},
        {{6, 0, 4, 5}, oneCell(3, 4), false},  // in a turned block's shown cell
        {{6, 0, 4, 5}, oneCell(6, 4), true},   // above one: not looked at
        {{7, 0, 4, 10}, empty, false},   // the O never turns
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(name(c.pose));
        Game g(c.pose.type, c.rows);
        g.place(c.pose.type, c.pose.angle, c.pose.column, c.pose.row);
        const Piece before = g.piece;
        g.piece.rotate(90);
        EXPECT_EQ(g.piece.angle, c.turns ? (c.pose.angle + 90) % 360 : c.pose.angle);
        EXPECT_EQ(g.piece.x, before.x);
        EXPECT_EQ(g.piece.y, before.y);
        EXPECT_EQ(g.piece.row, before.row);
        EXPECT_EQ(g.piece.column, before.column);
        EXPECT_EQ(text(g.state.playfield), text(board(c.rows)));
    }
}

TEST(Turn, FourTurnsComeBackToTheStartAngle) {
    Game g(5);
    g.place(5, 0, 4, 10);
    const int angles[] = {90, 180, 270, 0};
    for (int angle : angles) {
        g.piece.rotate(90);
        EXPECT_EQ(g.piece.angle, angle);
    }
}

TEST(Turn, TheOPieceChangesNothingAtAll) {
    Game g(7);
    g.piece.x = 40;  // shifted since the last frame: even the column stays as it was
    const std::string before = describe(g.piece);
    g.piece.rotate(90);
    EXPECT_EQ(describe(g.piece), before);
}

TEST(Turn, TheIAtSpawnTurnsUprightIntoTheTopRow) {
    Game g(4);
    g.piece.rotate(90);
    EXPECT_EQ(g.piece.angle, 90);
    EXPECT_EQ(fixture::lockCells(g.piece), (fixture::CellList{{20, 4}, {21, 4}, {22, 4}, {19, 4}}));
}

TEST(Turn, BringsAStaleColumnUpToDateEvenWhenRefused) {
    Game g(4);
    g.place(4, 90, 0, 10);
    g.piece.x = 20 * (1 - 4);  // shifted to column 1 since the last frame
    g.piece.rotate(90);        // refused there too: the turned I reaches column -1
    EXPECT_EQ(g.piece.angle, 90);
    EXPECT_EQ(g.piece.column, 1);
}

TEST(Shift, RefusedAtTheWallsAndBesideShownSettledCellsOnly) {
    struct Case {
        Pose pose;
        int direction;  // +1 right, -1 left
        Rows rows;
        bool shifts;
    };
    const Rows empty;
    // A T at row 5, column 4 is shown in row 4 (columns 3..5) and in (5,4).
    const Case cases[] = {
        {{4, 0, 7, 5}, +1, empty, false},  // flat I in columns 6..9
        {{4, 0, 6, 5}, +1, empty, true},
        {{4, 0, 1, 5}, -1, empty, false},  // flat I in columns 0..3
        {{4, 0, 2, 5}, -1, empty, true},
        {{4, 90, 9, 10}, +1, empty, false},
        {{4, 90, 0, 10}, -1, empty, false},
        {{6, 0, 4, 5}, +1, oneCell(4, 6), false},  // right of a shown block
        {{6, 0, 4, 5}, -1, oneCell(4, 2), false},  // left of a shown block
        {{6, 0, 4, 5}, -1, oneCell(5, 3), false},  // left of the upper shown block
        {{6, 0, 4, 5}, +1, oneCell(6, 5), true},   // beside the upper lock cell, not a shown one
        {{6, 0, 4, 5}, +1, oneCell(3, 6), true},   // below the cell it moves into: lands on it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(name(c.pose) + (c.direction > 0 ? " right" : " left"));
        Game g(c.pose.type, c.rows);
        g.place(c.pose.type, c.pose.angle, c.pose.column, c.pose.row);
        const Piece before = g.piece;
        if (c.direction > 0) g.piece.moveRight(20);
        if (c.direction < 0) g.piece.moveLeft(20);
        EXPECT_EQ(g.piece.x, before.x + (c.shifts ? 20 * c.direction : 0));
        EXPECT_EQ(g.piece.column, before.column);  // brought up to date before, not after
        EXPECT_EQ(g.piece.y, before.y);
        EXPECT_EQ(g.piece.angle, before.angle);
        EXPECT_EQ(text(g.state.playfield), text(board(c.rows)));
    }
}

TEST(Shift, OntoALedgeNeverSettlesThePieceTheNextGravityStepDoes) {
    Game g(6, oneCell(3, 6));
    g.place(6, 0, 4, 5);
    g.piece.moveRight(20);  // now shown right above the settled cell
    EXPECT_EQ(g.piece.landed, 0);
    g.frameAt(1000);
    EXPECT_EQ(g.piece.landed, 0);
    EXPECT_EQ(g.piece.column, 5);
    EXPECT_EQ(fixture::settledCount(g.state.playfield), 1);
    g.piece.moveLeft(20);  // still movable
    g.piece.moveRight(20);
    g.frameAt(1001);
    const Rows expected = {
        "..........",
        ".....6....",
        "....666...",
        "......1...",
        "..........",
        "..........",
        "..........",
    };
    EXPECT_EQ(text(g.state.playfield), text(board(expected)));
}

}  // namespace
