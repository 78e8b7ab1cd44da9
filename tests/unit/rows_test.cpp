// The playfield pass: full rows removed, points by rows and level, the level and the speed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "board.h"

namespace {

using fixture::board;
using fixture::describe;
using fixture::Rows;
using fixture::text;

// A state at the given count of removed rows, with the level and speed that count brings.
GameState stateAt(int lines, const Rows& rows) {
    GameState s;
    s.lines = lines;
    s.level = lines / 10;
    s.fallInterval = std::max(100, 1000 - 100 * s.level);
    s.playfield = board(rows);
    return s;
}

TEST(RowPass, ScoresTheRowsRemovedTogetherTimesOneMoreThanTheLevel) {
    struct Case {
        const char* name;
        Rows rows;
        int removed;
        int points;  // at level 0
        Rows after;
    };
    const Case cases[] = {
        {"one", {"1.........", "2222222222"}, 1, 40, {"1........."}},
        {"two adjacent", {"1.........", "2222222222", "3333333333"}, 2, 100, {"1........."}},
        {"two apart", {"5555555555", "1.........", "3333333333"}, 2, 100, {"1........."}},
        {"three", {"4444444444", ".2........", "1111111111", "3333333333"}, 3, 300, {".2........"}},
        {"four", {".......7..", "1111111111", "2222222222", "3333333333", "6666666666"}, 4, 1200,
         {".......7.."}},
        {"four of five rows apart", {"1111111111", "2222222222", "..3.......", "4444444444", "5555555555"},
         4, 1200, {"..3......."}},
    };
    for (int startLines : {0, 30, 95}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " from lines " + std::to_string(startLines));
            GameState s = stateAt(startLines, c.rows);
            s.score = 5;
            clearFullRows(s);
            const int level = (startLines + c.removed) / 10;
            EXPECT_EQ(text(s.playfield), text(board(c.after)));
            EXPECT_EQ(s.lines, startLines + c.removed);
            EXPECT_EQ(s.level, level);
            EXPECT_EQ(s.score, 5 + c.points * (level + 1));
            EXPECT_EQ(s.highest, s.score);
            EXPECT_EQ(std::string(s.scoreText), "Score: " + std::to_string(s.score));
            EXPECT_EQ(std::string(s.linesText), "Lines: " + std::to_string(s.lines));
        }
    }
}

TEST(RowPass, TheRowThatReachesTenLinesRaisesTheLevelBeforeThePassScores) {
    GameState s = stateAt(8, {"1.........", "2222222222", "3333333333"});
    clearFullRows(s);
    EXPECT_EQ(s.lines, 10);
    EXPECT_EQ(s.level, 1);
    EXPECT_EQ(s.fallInterval, 900);
    EXPECT_EQ(s.score, 200);
    EXPECT_STREQ(s.levelText, "Level: 1");
    EXPECT_STREQ(s.linesText, "Lines: 10");
}

TEST(RowPass, FiveOrMoreRowsScoreNothingButStillRefreshHighestAndTexts) {
    for (int full : {5, 6, 20}) {
        SCOPED_TRACE(std::to_string(full) + " full rows");
        GameState s = stateAt(0, Rows(full, "7777777777"));
        s.score = 500;
        s.highest = 100;
        clearFullRows(s);
        EXPECT_EQ(fixture::settledCount(s.playfield), 0);
        EXPECT_EQ(s.lines, full);
        EXPECT_EQ(s.level, full / 10);
        EXPECT_EQ(s.score, 500);
        EXPECT_EQ(s.highest, 500);
        EXPECT_STREQ(s.highestText, "Highest: 500");
        EXPECT_STREQ(s.scoreText, "Score: 500");
        EXPECT_EQ(std::string(s.linesText), "Lines: " + std::to_string(full));
    }
}

TEST(RowPass, TheIntervalShortensByLevelToOneHundredAndNoFurther) {
    const int intervalAtLevel[] = {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100, 100, 100, 100};
    GameState s;
    for (int lines = 1; lines <= 125; ++lines) {
        s.playfield = board({"1111111111"});
        clearFullRows(s);
        ASSERT_EQ(s.lines, lines);
        ASSERT_EQ(s.level, lines / 10);
        ASSERT_EQ(s.fallInterval, intervalAtLevel[lines / 10]) << "lines " << lines;
    }
}

TEST(RowPass, HiddenRowsAreNeverRemovedNorMovedAndRow19IsEmptied) {
    Rows before = {
        "..1.......",  // 22
        "2222222222",  // 21: full, but hidden
        "...3......",  // 20
        "4444444444",  // 19: full
        "5.........",  // 18
        "6666666666",  // 17: full
    };
    before.resize(23, "....1.....");  // rows 16..0 are not full
    GameState s = stateAt(0, before);
    clearFullRows(s);
    Rows after = {"..1.......", "2222222222", "...3......", "..........", "..........", "5........."};
    after.resize(23, "....1.....");
    EXPECT_EQ(text(s.playfield), text(board(after)));
    EXPECT_EQ(s.lines, 2);
}

TEST(RowPass, APassThatRemovesNothingChangesNothing) {
    GameState s = stateAt(37, {"1111.11111", "2222222.22", "..3......."});
    s.score = 1234;
    s.highest = 999;  // below the score: only a pass that removed a row would raise it
    std::snprintf(s.scoreText, sizeof s.scoreText, "%s", "stale");
    const std::string before = describe(s);
    clearFullRows(s);
    EXPECT_EQ(describe(s), before);
}

}  // namespace
