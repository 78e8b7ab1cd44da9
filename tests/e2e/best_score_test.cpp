// The best score end to end: score.dat read at start, written by r after a game over, kept
// as it was when the game is killed.
#include <X11/keysym.h>

#include <regex>

#include "tests/e2e/game_test.h"

namespace e2e {
namespace {

constexpr int kDigitsWidth = 55;  // room for seven digits
constexpr int kMaxLabelGap = 40;  // "Highest: " is this much wider than "Score: ", at most

class BestScoreTest : public GameTest {
protected:
    // The glyphs of "Paused - press r to resume", to tell a pause from a game over.
    std::optional<std::string> pauseMessage(GameProcess& game) {
        game.press(XK_p);
        const auto paused = game.waitFor(messageShown);
        game.press(XK_r);
        if (!paused || !game.waitFor(messageHidden)) return std::nullopt;
        return paused->whiteMask(kMessageLine);
    }

    // Hard-drops pieces where they spawn until a spawn ends the game. After each drop, p and r
    // make sure the game has taken the key before the next one goes out. A piece spawned over
    // the stack may settle, and end the game, only in the first frame after r.
    std::optional<Shot> dropUntilOver(GameProcess& game, const std::string& pauseMask) {
        const auto gameOverShown = [&](const Shot& shot) {
            return messageShown(shot) && shot.whiteMask(kMessageLine) != pauseMask;
        };
        for (int drop = 0; drop < 40; ++drop) {
            game.press(XK_Down);
            game.press(XK_p);
            const auto halted = game.waitFor(messageShown);
            if (!halted) return std::nullopt;
            if (gameOverShown(*halted)) return halted;
            game.press(XK_r);
            const auto resumed = game.waitFor(
                [&](const Shot& shot) { return messageHidden(shot) || gameOverShown(shot); });
            if (!resumed) return std::nullopt;
            if (gameOverShown(*resumed)) return resumed;
        }
        return std::nullopt;
    }

    // The Highest line's glyphs after a single hard drop from an empty field: "Highest: 19".
    std::string highestAfterOneDrop() {
        GameProcess* game = start();
        if (game == nullptr) return "";
        const std::string before = game->shot().whiteMask(kHighestLine);
        game->press(XK_Down);
        const auto dropped = game->waitFor(
            [&](const Shot& shot) { return shot.whiteMask(kHighestLine) != before; });
        game->kill();
        return dropped ? dropped->whiteMask(kHighestLine) : "";
    }
};

// Score and Highest show the same number: the Score digits reappear in the Highest line,
// shifted right by the wider label.
bool sameNumberShown(const Shot& shot, int scoreDigitsStart) {
    const std::string score = digitsMask(shot, kScoreLine, scoreDigitsStart, kDigitsWidth);
    for (int shift = 1; shift <= kMaxLabelGap; ++shift) {
        if (digitsMask(shot, kHighestLine, scoreDigitsStart + shift, kDigitsWidth) == score) return true;
    }
    return false;
}

struct StoredScore {
    const char* content;
    const char* shows;  // "0", "19" or "other"
};

TEST_F(BestScoreTest, StoredBestScoreIsTheFirstFramesHighestLine) {
    const std::string highest19 = highestAfterOneDrop();
    ASSERT_NE(highest19, "");
    const std::string highest0 = start()->shot().whiteMask(kHighestLine);
    ASSERT_NE(highest0, highest19);
    games_.back()->kill();

    const StoredScore cases[] = {
        {"19", "19"}, {"19\n", "19"}, {"  19 points\n", "19"}, {"+19", "19"},
        {"7", "other"}, {"-7", "other"}, {"", "0"}, {"points", "0"},
    };
    for (const StoredScore& stored : cases) {
        writeFile(scoreFile(), stored.content);
        GameProcess* game = start();
        ASSERT_NE(game, nullptr);
        const std::string shown = game->shot().whiteMask(kHighestLine);
        const std::string what = std::string("score.dat holding \"") + stored.content + "\"";
        const std::string shows = stored.shows;
        if (shows == "other") {
            EXPECT_NE(shown, highest0) << what;
            EXPECT_NE(shown, highest19) << what;
        } else {
            EXPECT_EQ(shown, shows == "19" ? highest19 : highest0) << what;
        }
        game->kill();
    }
}

// Play one game to its end with hard drops, restart with r, and find the best score in
// score.dat and in the next run's Highest line.
TEST_F(BestScoreTest, RestartAfterGameOverSavesTheBestScoreForTheNextRun) {
    writeFile(scoreFile(), "7");
    GameProcess* game = start();
    ASSERT_NE(game, nullptr);
    const Shot first = game->shot();
    const int scoreDigits = digitsStart(first, kScoreLine);
    EXPECT_FALSE(sameNumberShown(first, scoreDigits)) << "Highest shows the Score's 0, not 7";
    const auto pauseMask = pauseMessage(*game);
    ASSERT_TRUE(pauseMask);

    const auto over = dropUntilOver(*game, *pauseMask);
    ASSERT_TRUE(over) << "no game over after 40 hard drops";
    EXPECT_TRUE(sameNumberShown(*over, scoreDigits)) << "Highest does not show the score";
    EXPECT_EQ(readFile(scoreFile()), "7") << "score.dat written before the restart";
    const std::string highestAtEnd = over->whiteMask(kHighestLine);

    game->press(XK_r);
    const auto restarted = game->waitFor(messageHidden);
    ASSERT_TRUE(restarted);
    EXPECT_EQ(restarted->whiteMask(kScoreLine), first.whiteMask(kScoreLine)) << "Score not back to 0";
    EXPECT_EQ(restarted->whiteMask(kHighestLine), highestAtEnd);
    const auto saved = readFile(scoreFile());
    ASSERT_TRUE(saved);
    ASSERT_TRUE(std::regex_match(*saved, std::regex("[1-9][0-9]*"))) << "score.dat holds \"" << *saved << '"';
    EXPECT_GE(std::stoi(*saved), 19) << "the first drop alone falls 19 rows";
    EXPECT_FALSE(readFile(dir_.file("score.dat.tmp")));
    game->kill();

    GameProcess* next = start();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->shot().whiteMask(kHighestLine), highestAtEnd)
        << "the next run does not show the saved " << *saved;
}

enum class KilledWhile { Running, Paused, Over };

// Only r after a game over writes score.dat: a game killed in any state leaves it byte for byte.
TEST_F(BestScoreTest, KilledGameLeavesScoreFileAsItWas) {
    for (KilledWhile state : {KilledWhile::Running, KilledWhile::Paused, KilledWhile::Over}) {
        const std::string stored = "7\n";
        writeFile(scoreFile(), stored);
        GameProcess* game = start();
        ASSERT_NE(game, nullptr);
        const std::string highest7 = game->shot().whiteMask(kHighestLine);
        const auto pauseMask = pauseMessage(*game);
        ASSERT_TRUE(pauseMask);
        game->press(XK_Down);  // a new best score of 19
        game->press(XK_r);     // r while running: nothing to save
        game->press(XK_p);
        ASSERT_TRUE(game->waitFor(messageShown));  // the drop and r were taken before p
        if (state != KilledWhile::Paused) {
            game->press(XK_r);
            ASSERT_TRUE(game->waitFor(messageHidden));
        }
        if (state == KilledWhile::Over) {
            ASSERT_TRUE(dropUntilOver(*game, *pauseMask));
        }
        EXPECT_NE(game->shot().whiteMask(kHighestLine), highest7) << "no new best score shown";
        game->kill();
        EXPECT_EQ(readFile(scoreFile()), stored) << "state " << static_cast<int>(state);
        EXPECT_FALSE(readFile(dir_.file("score.dat.tmp")));
    }
}

}  // namespace
}  // namespace e2e
