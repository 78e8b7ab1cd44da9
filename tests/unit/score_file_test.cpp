// The best-score file: what start-up reads from score.dat, what a restart writes into it, and a
// kill in the middle of a save.
#include "game/score_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <system_error>

#include "game/piece.h"
#include "game/run_state.h"
#include "game/state.h"

#include "scratch.h"

namespace fs = std::filesystem;

namespace {

using scratch::kDirectory;
using scratch::kNothing;
using scratch::whatIsAt;
using scratch::placeAt;

constexpr char kTemporaryName[] = "score.dat.tmp";

// One game in a fresh working directory; the save calls are put back after each test.
class ScoreFileTest : public testing::Test {
protected:
    ~ScoreFileTest() override {
        saveCalls = realCalls_;
        scratch::leaveScratchDirectory(home_);
    }

    // Ends the game with `best` as the best score, so that the next r saves it.
    void endGameWithBest(int best) {
        state.score = 10;
        state.highest = best;
        triggerGameOver(state);
    }

private:
    fs::path home_ = scratch::enterScratchDirectory();
    SaveCalls realCalls_ = saveCalls;

protected:
    GameState state;
    Piece piece{state};
};

struct LoadCase {
    const char* inFile;  // a file's content, kNothing or kDirectory
    int highest;
};

std::ostream& operator<<(std::ostream& out, const LoadCase& c) {
    return out << "score.dat \"" << c.inFile << "\" -> " << c.highest;
}

class LoadTest : public ScoreFileTest, public testing::WithParamInterface<LoadCase> {};

TEST_P(LoadTest, StartUpShowsTheNumberAtTheStartOfTheFile) {
    placeAt(kScoreFileName, GetParam().inFile);
    state.highest = 7;  // whatever was there before must not survive the load
    formatHighestText(state);

    loadBestScore(state);

    EXPECT_EQ(state.highest, GetParam().highest);
    EXPECT_EQ(std::string(state.highestText), "Highest: " + std::to_string(GetParam().highest));
}

INSTANTIATE_TEST_SUITE_P(
    Contents, LoadTest,
    testing::Values(LoadCase{"340", 340}, LoadCase{"  77\nxyz", 77}, LoadCase{"-5", -5},
                    LoadCase{"+12", 12}, LoadCase{"\t\n 8", 8}, LoadCase{"abc", 0},
                    LoadCase{"", 0}, LoadCase{"- 5", 0}, LoadCase{"99999999999", 0},
                    LoadCase{"2147483647", INT_MAX}, LoadCase{"2147483648", 0},
                    LoadCase{"-2147483648", INT_MIN}, LoadCase{"-2147483649", 0},
                    LoadCase{kNothing, 0}, LoadCase{kDirectory, 0}));

struct SaveCase {
    const char* before;  // score.dat before the restart: a content or kNothing
    int best;
    const char* after;
};

std::ostream& operator<<(std::ostream& out, const SaveCase& c) {
    return out << "\"" << c.before << "\" + best " << c.best << " -> \"" << c.after << "\"";
}

class SaveTest : public ScoreFileTest, public testing::WithParamInterface<SaveCase> {};

TEST_P(SaveTest, RestartReplacesTheWholeFileWithTheBestScore) {
    placeAt(kScoreFileName, GetParam().before);
    endGameWithBest(GetParam().best);

    testing::internal::CaptureStderr();
    resumeGame(state);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    EXPECT_EQ(whatIsAt(kScoreFileName), GetParam().after);
    EXPECT_EQ(whatIsAt(kTemporaryName), kNothing);
    GameState nextRun;
    loadBestScore(nextRun);
    EXPECT_EQ(nextRun.highest, GetParam().best);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, SaveTest,
    testing::Values(SaveCase{kNothing, 340, "340"}, SaveCase{"123456789\n", -5, "-5"},
                    SaveCase{"12", 0, "0"}, SaveCase{"0", INT_MIN, "-2147483648"},
                    SaveCase{"-1", INT_MAX, "2147483647"}));

// A kill at some point of a save, and what score.dat then holds.
struct KillCase {
    const char* when;
    void (*arm)();
    const char* survives;
};

std::ostream& operator<<(std::ostream& out, const KillCase& c) { return out << c.when; }

class KillTest : public ScoreFileTest, public testing::WithParamInterface<KillCase> {};

TEST_P(KillTest, AKilledSaveLeavesOneWholeScore) {
    placeAt(kScoreFileName, "250");
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        GetParam().arm();
        endGameWithBest(123456789);
        resumeGame(state);
        _exit(0);  // only reached when the armed call never ran
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;
    EXPECT_EQ(whatIsAt(kScoreFileName), GetParam().survives);

    // The next run's save is not disturbed by what the killed one left behind.
    endGameWithBest(340);
    testing::internal::CaptureStderr();
    resumeGame(state);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(whatIsAt(kScoreFileName), "340");
    EXPECT_EQ(whatIsAt(kTemporaryName), kNothing);
}

INSTANTIATE_TEST_SUITE_P(
    KillPoints, KillTest,
    testing::Values(
        KillCase{"half written",
                 [] {
                     saveCalls.write = [](int fd, const void* data, std::size_t size) -> ssize_t {
                         if (::write(fd, data, size / 2) < 0) _exit(1);
                         std::raise(SIGKILL);
                         return -1;
                     };
                 },
                 "250"},
        KillCase{"written, not yet on disk",
                 [] {
                     saveCalls.fsync = [](int) {
                         std::raise(SIGKILL);
                         return -1;
                     };
                 },
                 "250"},
        KillCase{"just renamed",
                 [] {
                     saveCalls.rename = [](const char* from, const char* to) {
                         if (::rename(from, to) != 0) _exit(1);
                         std::raise(SIGKILL);
                         return -1;
                     };
                 },
                 "123456789"}));

}  // namespace
