// The p and r keys: pausing, resuming, restarting after a game over, and a restart whose save
// fails.
#include "game/run_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>

#include "game/piece.h"
#include "game/score_file.h"
#include "game/state.h"

#include "board.h"
#include "scratch.h"


namespace {

using scratch::kDirectory;
using scratch::kNothing;
using scratch::whatIsAt;

using fixture::describe;

// A game under way in a fresh working directory: settled blocks low and high, a fast fall,
// and a piece moved off its spawn column.
class RunStateTest : public testing::Test {
protected:
    RunStateTest() {
        state.playfield = fixture::board({
            "...6......",
            "..55......",
            "1234567.12",
        });
        state.playfield[22][9] = 4;  // settled above the window, kept until a restart
        state.fallInterval = 100;
        state.lastFallTime = 54000;
        state.now = 54321;
        state.lines = 93;
        state.level = 9;
        state.score = 1200;
        state.highest = 1500;
        refreshStatusTexts(state);
        piece.moveRight(40);
    }

    ~RunStateTest() override {
        saveCalls = realCalls_;
        scratch::leaveScratchDirectory(home_);
    }

    // The state of a new game after a restart from this one: only the clock, the best score
    // and the piece carry over.
    void expectNewGame(const GameState& before) {
        GameState expected;
        expected.now = before.now;
        expected.lastFallTime = before.lastFallTime;
        expected.highest = before.highest;
        refreshStatusTexts(expected);
        setMessageText(expected, kPauseText);
        EXPECT_EQ(describe(state), describe(expected));
    }

private:
    std::filesystem::path home_ = scratch::enterScratchDirectory();
    SaveCalls realCalls_ = saveCalls;

protected:
    GameState state;
    Piece piece{state};
};

TEST_F(RunStateTest, PauseThenResumeContinuesTheSameGame) {
    const std::string before = describe(state);
    const std::string pose = describe(piece);

    pauseGame(state);
    EXPECT_EQ(state.halted, 1);
    EXPECT_EQ(std::string(state.messageText), kPauseText);
    resumeGame(state);

    EXPECT_EQ(describe(state), before);
    EXPECT_EQ(describe(piece), pose);
    EXPECT_EQ(whatIsAt(kScoreFileName), kNothing);
}

TEST_F(RunStateTest, ResumeWhileRunningChangesNothing) {
    const std::string before = describe(state);
    const std::string pose = describe(piece);

    resumeGame(state);

    EXPECT_EQ(describe(state), before);
    EXPECT_EQ(describe(piece), pose);
    EXPECT_EQ(whatIsAt(kScoreFileName), kNothing);
}

struct HaltCase {
    const char* name;
    void (*halt)(GameState&);
    const char* message;
};

std::ostream& operator<<(std::ostream& out, const HaltCase& c) { return out << c.name; }

class PauseWhileHaltedTest : public RunStateTest, public testing::WithParamInterface<HaltCase> {};

TEST_P(PauseWhileHaltedTest, ChangesNothingAndKeepsTheMessage) {
    GetParam().halt(state);
    const std::string before = describe(state);

    pauseGame(state);

    EXPECT_EQ(describe(state), before);
    EXPECT_EQ(std::string(state.messageText), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(RunStates, PauseWhileHaltedTest,
                         testing::Values(HaltCase{"paused", pauseGame, kPauseText},
                                         HaltCase{"over", triggerGameOver, kGameOverText}));

TEST_F(RunStateTest, ResumeAfterGameOverStartsANewGameAndSavesTheBest) {
    triggerGameOver(state);
    pauseGame(state);  // p while over must not stop the r that follows from restarting
    const GameState before = state;
    const std::string pose = describe(piece);

    resumeGame(state);

    EXPECT_EQ(whatIsAt(kScoreFileName), "1500");
    expectNewGame(before);
    EXPECT_EQ(describe(piece), pose);
    EXPECT_EQ(std::string(state.highestText), "Highest: 1500");
}

// A way for the save at a restart to fail.
struct FailureCase {
    const char* name;
    void (*inject)();
};

std::ostream& operator<<(std::ostream& out, const FailureCase& c) { return out << c.name; }

class FailedSaveTest : public RunStateTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(FailedSaveTest, KeepsTheOldFileSaysWhyAndStillStartsANewGame) {
    scratch::placeAt(kScoreFileName, "250");
    GetParam().inject();
    const std::string old = whatIsAt(kScoreFileName);
    triggerGameOver(state);
    const GameState before = state;

    testing::internal::CaptureStderr();
    resumeGame(state);
    const std::string report = testing::internal::GetCapturedStderr();

    EXPECT_EQ(whatIsAt(kScoreFileName), old);
    EXPECT_EQ(whatIsAt("score.dat.tmp"), kNothing);
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;
    EXPECT_NE(report.find(kScoreFileName), std::string::npos) << report;
    // A short write sets no errno; the line must not then blame "Success".
    EXPECT_EQ(report.find(std::strerror(0)), std::string::npos) << report;
    expectNewGame(before);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailedSaveTest,
    testing::Values(
        FailureCase{"write fails",
                    [] {
                        saveCalls.write = [](int, const void*, std::size_t) -> ssize_t {
                            errno = ENOSPC;
                            return -1;
                        };
                    }},
        FailureCase{"short write",
                    [] {
                        saveCalls.write = [](int fd, const void* data, std::size_t size) {
                            const ssize_t written = ::write(fd, data, size - 1);
                            errno = 0;
                            return written;
                        };
                    }},
        FailureCase{"fsync fails",
                    [] {
                        saveCalls.fsync = [](int) {
                            errno = EIO;
                            return -1;
                        };
                    }},
        FailureCase{"rename fails",
                    [] {
                        saveCalls.rename = [](const char*, const char*) {
                            errno = EXDEV;
                            return -1;
                        };
                    }},
        FailureCase{"score.dat is a directory", [] {
                        std::filesystem::remove(kScoreFileName);
                        scratch::placeAt(kScoreFileName, kDirectory);
                    }}));

}  // namespace
