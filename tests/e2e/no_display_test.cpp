// Started without a reachable X display, the game says so in one line and fails.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>

#include "tests/e2e/harness.h"

namespace e2e {
namespace {

struct NoDisplayCase {
    const char* what;
    bool unset;
    const char* display;
};

TEST(NoDisplayTest, PrintsOneLineNamingXvfbRunAndFails) {
    const NoDisplayCase cases[] = {
        {"DISPLAY unset", true, ""},
        {"DISPLAY naming a display nobody serves", false, ":4093"},
    };
    for (const NoDisplayCase& run : cases) {
        TempDir dir;
        const Outcome outcome = runToExit(LaunchOptions{dir.path(), "", run.unset, run.display}, Seconds(20));
        ASSERT_TRUE(WIFEXITED(outcome.waitStatus)) << run.what << ": the game did not exit by itself";
        EXPECT_NE(WEXITSTATUS(outcome.waitStatus), 0) << run.what;
        const std::string& text = outcome.stderrText;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << run.what << ":\n" << text;
        EXPECT_EQ(text.back(), '\n') << run.what;
        EXPECT_NE(text.find("xvfb-run"), std::string::npos) << run.what << ":\n" << text;
        EXPECT_FALSE(readFile(dir.file("score.dat"))) << run.what;
    }
}

}  // namespace
}  // namespace e2e
