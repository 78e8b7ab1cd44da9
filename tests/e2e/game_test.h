// The fixture of the end-to-end tests: a temporary directory and the games started in it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/harness.h"
#include "tests/e2e/picture.h"

namespace e2e {

class GameTest : public testing::Test {
protected:
    void SetUp() override {
        if (!haveDisplay()) GTEST_SKIP() << "DISPLAY is not set: run the e2e tests under xvfb-run -a";
        ASSERT_FALSE(dir_.path().empty()) << "cannot create a temporary directory";
    }

    // On failure a PNG of every game still running is kept; sanitizer reports always fail.
    void TearDown() override {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        for (std::size_t i = 0; i < games_.size(); ++i) {
            GameProcess& game = *games_[i];
            if (HasFailure() && game.alive()) {
                std::string name = std::string(info->test_suite_name()) + "." + info->name();
                std::replace(name.begin(), name.end(), '/', '_');
                const std::string png =
                    std::string(E2E_ARTIFACT_DIR) + "/" + name + "." + std::to_string(i) + ".png";
                if (game.savePng(png)) std::cerr << "screenshot of the failed game: " << png << '\n';
            }
            game.kill();
            expectNoSanitizerReport(game.stderrText());
        }
        games_.clear();
    }

    static void expectNoSanitizerReport(const std::string& text) {
        for (const char* report : {"ERROR: AddressSanitizer", "runtime error:", "LeakSanitizer"}) {
            EXPECT_EQ(text.find(report), std::string::npos) << "the game's stderr:\n" << text;
        }
    }

    // Starts the game in the test's directory; nullptr (and a failure) if it shows no window.
    GameProcess* start(const std::string& fakeTime = kPinnedSlowClock) {
        std::string error;
        auto game = GameProcess::launch(LaunchOptions{dir_.path(), fakeTime, false, ""}, error);
        if (game == nullptr) {
            ADD_FAILURE() << "cannot start the game: " << error;
            return nullptr;
        }
        games_.push_back(std::move(game));
        return games_.back().get();
    }

    std::string scoreFile() const { return dir_.file("score.dat"); }

    TempDir dir_;
    std::vector<std::unique_ptr<GameProcess>> games_;
};

inline bool messageShown(const Shot& shot) { return shot.anyWhite(kMessageLine); }
inline bool messageHidden(const Shot& shot) { return !shot.anyWhite(kMessageLine); }

}  // namespace e2e
