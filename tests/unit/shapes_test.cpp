// The shape table read through blockCell, the quarter-turn lookups and the status text formats.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "board.h"

namespace {

using fixture::CellList;
using fixture::Game;

// The seven shapes as the game's rules give them: (x right, y up) of blocks 1..4 at angle 0.
struct Offset {
    int x;
    int y;
};
constexpr Offset kShapes[8][4] = {
    {},
    {{0, 0}, {1, 1}, {0, 1}, {-1, 0}},   // 1 S
    {{0, 0}, {1, 0}, {1, 1}, {-1, 0}},   // 2 L
    {{0, 0}, {1, 0}, {0, 1}, {-1, 1}},   // 3 Z
    {{0, 0}, {1, 0}, {2, 0}, {-1, 0}},   // 4 I
    {{0, 0}, {1, 0}, {-1, 1}, {-1, 0}},  // 5 J
    {{0, 0}, {1, 0}, {0, 1}, {-1, 0}},   // 6 T
    {{0, 0}, {1, 1}, {0, 1}, {1, 0}},    // 7 O
};

// A block's offset from the pivot at each angle: row = rx*x + ry*y, column = cx*x + cy*y.
struct Turn {
    int angle;
    int rx, ry, cx, cy;
};
constexpr Turn kTurns[] = {
    {0, 0, 1, 1, 0},     // row y, column x
    {90, 1, 0, 0, -1},   // row x, column -y
    {180, 0, -1, -1, 0}, // row -y, column -x
    {270, -1, 0, 0, 1},  // row -x, column y
};

CellList cellsOf(const Game& g) { return fixture::lockCells(g.piece); }

TEST(ShapeTable, EveryTypeAtEveryAngleGivesTheTurnedBlocksInOrder) {
    for (int type = 1; type <= 7; ++type) {
        for (const Turn& t : kTurns) {
            Game g(type);
            g.place(type, t.angle, 4, 10);
            CellList expected;
            for (const Offset& o : kShapes[type]) {
                expected.emplace_back(10 + t.rx * o.x + t.ry * o.y, 4 + t.cx * o.x + t.cy * o.y);
            }
            EXPECT_EQ(cellsOf(g), expected) << "type " << type << " angle " << t.angle;
        }
    }
}

TEST(ShapeTable, NamedPosesAtTheSpawnCell) {
    struct Case {
        int type;
        int angle;
        CellList cells;
    };
    const Case cases[] = {
        {4, 90, {{20, 4}, {21, 4}, {22, 4}, {19, 4}}},   // upright I: rows 19..22 of column 4
        {4, 180, {{20, 4}, {20, 3}, {20, 2}, {20, 5}}},  // flat I: columns 2..5
        {6, 0, {{20, 4}, {20, 5}, {21, 4}, {20, 3}}},    // T: upper block above the pivot
        {6, 90, {{20, 4}, {21, 4}, {20, 3}, {19, 4}}},   // T: that block left of the pivot
    };
    for (const Case& c : cases) {
        Game g(c.type);
        g.place(c.type, c.angle, 4, 20);
        EXPECT_EQ(cellsOf(g), c.cells) << "type " << c.type << " angle " << c.angle;
    }
}

TEST(ShapeTable, AtTheSpawnCellEveryPoseStaysInRows18To22AndOnlyTheUprightIReaches22) {
    for (int type = 1; type <= 7; ++type) {
        for (const Turn& t : kTurns) {
            Game g(type);
            g.place(type, t.angle, 4, 20);
            bool reaches22 = false;
            for (const auto& [row, column] : cellsOf(g)) {
                EXPECT_GE(row, 18) << "type " << type << " angle " << t.angle;
                EXPECT_LE(row, 22) << "type " << type << " angle " << t.angle;
                EXPECT_GE(column, 0);
                EXPECT_LE(column, 9);
                reaches22 = reaches22 || row == 22;
            }
            EXPECT_EQ(reaches22, type == 4 && t.angle == 90) << "type " << type << " angle " << t.angle;
        }
    }
}

TEST(ShapeTable, UnusedIndexZeroIsEmpty) {
    for (int type = 0; type <= 7; ++type) {
        for (int k = 0; k <= 4; ++k) {
            if (type == 0 || k == 0) {
                EXPECT_EQ(Piece::ShapeTable[type][k][1], 0);
                EXPECT_EQ(Piece::ShapeTable[type][k][2], 0);
            }
            EXPECT_EQ(Piece::ShapeTable[type][k][0], 0);
        }
    }
}

TEST(QuarterTurn, ExactForQuarterTurnsAndTheArgumentOtherwise) {
    struct Case {
        int degrees;
        int sine;
        int cosine;
    };
    const Case cases[] = {
        {0, 0, 1}, {90, 1, 0}, {180, 0, -1}, {270, -1, 0},
        {45, 45, 45}, {-90, -90, -90}, {360, 360, 360},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sinQuarter(c.degrees), c.sine) << c.degrees;
        EXPECT_EQ(cosQuarter(c.degrees), c.cosine) << c.degrees;
    }
}

TEST(StatusTexts, FormatTheFourCountersInFull) {
    struct Case {
        int highest, score, level, lines;
        const char* highestText;
        const char* scoreText;
        const char* levelText;
        const char* linesText;
    };
    const Case cases[] = {
        {0, 0, 0, 0, "Highest: 0", "Score: 0", "Level: 0", "Lines: 0"},
        {1234, 56, 3, 31, "Highest: 1234", "Score: 56", "Level: 3", "Lines: 31"},
        {-7, 0, 0, 0, "Highest: -7", "Score: 0", "Level: 0", "Lines: 0"},
        {INT_MIN, INT_MIN, INT_MIN, INT_MIN, "Highest: -2147483648", "Score: -2147483648",
         "Level: -2147483648", "Lines: -2147483648"},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX, "Highest: 2147483647", "Score: 2147483647",
         "Level: 2147483647", "Lines: 2147483647"},
    };
    for (const Case& c : cases) {
        GameState s;
        s.highest = c.highest;
        s.score = c.score;
        s.level = c.level;
        s.lines = c.lines;
        setMessageText(s, kPauseText);
        refreshStatusTexts(s);
        EXPECT_STREQ(s.highestText, c.highestText);
        EXPECT_STREQ(s.scoreText, c.scoreText);
        EXPECT_STREQ(s.levelText, c.levelText);
        EXPECT_STREQ(s.linesText, c.linesText);
        EXPECT_STREQ(s.messageText, "Paused - press r to resume");  // left alone
    }
}

TEST(StatusTexts, MessagesFitWhole) {
    GameState s;
    setMessageText(s, kGameOverText);
    EXPECT_STREQ(s.messageText, "Game Over - press r to restart");
    EXPECT_EQ(std::strlen(s.messageText), 30u);
    setMessageText(s, kPauseText);
    EXPECT_STREQ(s.messageText, "Paused - press r to resume");
}

TEST(StatusTexts, ANewPieceShowsZerosAndThePauseText) {
    Game g(1);
    EXPECT_STREQ(g.state.highestText, "Highest: 0");
    EXPECT_STREQ(g.state.scoreText, "Score: 0");
    EXPECT_STREQ(g.state.levelText, "Level: 0");
    EXPECT_STREQ(g.state.linesText, "Lines: 0");
    EXPECT_STREQ(g.state.messageText, "Paused - press r to resume");
}

}  // namespace
