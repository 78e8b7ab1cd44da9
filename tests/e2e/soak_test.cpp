// A minute of random keys against the sanitizer build on a fast clock: the game keeps drawing
// and answering, closes cleanly and leaves a sound score.dat.
#include <X11/keysym.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <random>
#include <regex>
#include <thread>

#include "tests/e2e/game_test.h"

namespace e2e {
namespace {

struct WeightedKey {
    KeySymbol key;
    bool shift;
    int weight;
};

// Mostly moves, enough r to restart after each game over, and keys the game must ignore.
constexpr WeightedKey kKeys[] = {
    {XK_Left, false, 6}, {XK_Right, false, 6}, {XK_Up, false, 5},     {XK_Down, false, 3},
    {XK_p, false, 1},    {XK_r, false, 3},     {XK_p, true, 1},       {XK_r, true, 1},
    {XK_a, false, 1},    {XK_q, false, 1},     {XK_x, false, 1},      {XK_Escape, false, 1},
    {XK_space, false, 1}, {XK_Return, false, 1}, {XK_F1, false, 1},   {XK_Home, false, 1},
};

constexpr int kKeysPerCheck = 150;

unsigned long environmentNumber(const char* name, unsigned long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoul(text, nullptr, 10) : fallback;
}

class SoakTest : public GameTest {
protected:
    // p must show a message line and r take it away again (r restarts a game that is over;
    // a piece spawned over the stack may end the game at the first frame after r).
    bool answersPauseAndResume(GameProcess& game) {
        game.press(XK_p);
        if (!game.waitFor(messageShown, Seconds(20))) return false;
        for (int attempt = 0; attempt < 3; ++attempt) {
            game.press(XK_r);
            if (game.waitFor(messageHidden, Seconds(5))) return true;
        }
        return false;
    }

    // Random keys at an even pace; between every few, the game must be alive, draw its status
    // lines and answer p and r. The seed is printed so that a failing run can be repeated.
    void typeRandomKeys(GameProcess& game, int keyCount, Seconds length) {
        const unsigned long seed =
            environmentNumber("TUMBRIX_SOAK_SEED", static_cast<unsigned long>(std::time(nullptr)));
        std::cout << "soak: seed " << seed << " (TUMBRIX_SOAK_SEED), " << keyCount << " keys over "
                  << length.count() << " s" << std::endl;
        RecordProperty("seed", std::to_string(seed));
        std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
        std::vector<int> weights;
        for (const WeightedKey& key : kKeys) weights.push_back(key.weight);
        std::discrete_distribution<int> pick(weights.begin(), weights.end());
        const auto begin = std::chrono::steady_clock::now();
        Shot previous;
        int checks = 0;
        int changes = 0;
        for (int sent = 1; sent <= keyCount; ++sent) {
            const WeightedKey& key = kKeys[pick(random)];
            game.press(key.key, key.shift);
            std::this_thread::sleep_until(begin + std::chrono::duration_cast<std::chrono::steady_clock::duration>(length * sent / keyCount));
            if (sent % kKeysPerCheck != 0) continue;
            ++checks;
            ASSERT_TRUE(game.alive()) << "the game died after " << sent << " keys:\n" << game.stderrText();
            const Shot shot = game.shot();
            ASSERT_FALSE(shot.empty()) << "no window after " << sent << " keys";
            for (const Box& line : statusLines()) ASSERT_TRUE(shot.anyWhite(line)) << "after " << sent << " keys";
            if (shot != previous) ++changes;
            previous = shot;
            ASSERT_TRUE(answersPauseAndResume(game)) << "p and r not answered after " << sent << " keys";
        }
        EXPECT_GT(changes, checks / 2) << "the picture hardly changed between checks";
    }

    // Closes the window as a window manager would; the game must end normally.
    void closeAndCheck(GameProcess& game) {
        const auto closed = game.closeWindow(Seconds(60));
        ASSERT_TRUE(closed) << "closing the window did not end the game";
        const std::string errors = game.stderrText();
        EXPECT_TRUE(WIFEXITED(*closed) && WEXITSTATUS(*closed) == 0)
            << "wait status " << *closed << "; the game's stderr:\n" << errors;
        const auto saved = readFile(scoreFile());
        if (saved) {
            EXPECT_TRUE(std::regex_match(*saved, std::regex("-?[0-9]+"))) << "score.dat holds \"" << *saved << '"';
        }
        EXPECT_FALSE(readFile(dir_.file("score.dat.tmp")));
        std::cout << "soak: score.dat " << (saved ? "holds " + *saved : "not written") << std::endl;
    }
};

// Twenty times the speed: gravity, settling, row clearing, game overs and restarts all come
// often. The leak check runs when the window closes.
TEST_F(SoakTest, ThousandsOfRandomKeysOnAFastClock) {
    const auto seconds = static_cast<double>(environmentNumber("TUMBRIX_SOAK_SECONDS", 60));
    GameProcess* game = start("+0 x20");
    ASSERT_NE(game, nullptr);
    typeRandomKeys(*game, 3000, Seconds(seconds));
    if (HasFatalFailure()) return;
    closeAndCheck(*game);
    expectNoSanitizerReport(game->stderrText());
}

// The same on the real clock, as a player runs it: no libfaketime in the process, and
// llvmpipe drawing on its own threads.
TEST_F(SoakTest, RandomKeysOnTheRealClock) {
    GameProcess* game = start("");
    ASSERT_NE(game, nullptr);
    typeRandomKeys(*game, 450, Seconds(15));
    if (HasFatalFailure()) return;
    closeAndCheck(*game);
    expectNoSanitizerReport(game->stderrText());
}

}  // namespace
}  // namespace e2e
