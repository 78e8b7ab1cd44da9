// Real key events: p pauses with its message, r resumes, and the keys the game ignores.
#include <X11/keysym.h>

#include "tests/e2e/game_test.h"

namespace e2e {
namespace {

using KeysTest = GameTest;

// Every pixel outside the message line is as in `before`, and the message has white glyphs.
std::string pausedDifferences(const Shot& paused, const Shot& before) {
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 200; ++x) {
            const bool inMessage = x >= kMessageLine.x0 && x < kMessageLine.x1 &&
                                   y >= kMessageLine.y0 && y < kMessageLine.y1;
            const bool allowed = paused.at(x, y) == before.at(x, y) ||
                                 (inMessage && paused.at(x, y) == kWhite);
            if (!allowed) return "pixel (" + std::to_string(x) + "," + std::to_string(y) + ") changed";
        }
    }
    return messageShown(paused) ? "" : "no message line";
}

TEST_F(KeysTest, PShowsPauseMessageOverUnchangedPictureAndRHidesIt) {
    GameProcess* game = start();
    ASSERT_NE(game, nullptr);
    const Shot before = game->shot();

    game->press(XK_p);
    const auto paused = game->waitFor(messageShown);
    ASSERT_TRUE(paused) << "p showed no message line";
    EXPECT_EQ(pausedDifferences(*paused, before), "");
    // "Paused - press r to resume" runs from x = 20 to well past the middle of the window.
    EXPECT_TRUE(paused->anyWhite(Box{20, 197, 30, 210}));
    EXPECT_TRUE(paused->anyWhite(Box{140, 197, 160, 210}));

    game->press(XK_p);  // p while paused changes nothing
    game->press(XK_r);
    const auto resumed = game->waitFor(messageHidden);
    ASSERT_TRUE(resumed) << "r did not hide the message line";
    EXPECT_TRUE(*resumed == before) << "resuming changed the picture";
}

// Shift+p, Shift+r, Escape and F1 do nothing: the left arrow typed after them still moves the
// piece, and while paused neither they nor the arrows act before r resumes.
TEST_F(KeysTest, CapitalsEscapeAndFunctionKeysDoNothing) {
    GameProcess* game = start();
    ASSERT_NE(game, nullptr);
    const int type = spawnedType(game->shot());
    ASSERT_GE(type, 1);

    game->press(XK_p, true);
    game->press(XK_r, true);
    game->press(XK_Escape);
    game->press(XK_F1);
    game->press(XK_Left);
    const Picture movedLeft = startPicture(type, -1);
    const auto moved = game->waitFor([&](const Shot& shot) { return movedLeft.differences(shot).empty(); });
    ASSERT_TRUE(moved) << "the left arrow after P, R, Escape and F1 did not move the piece: "
                       << movedLeft.differences(game->shot());

    game->press(XK_p);
    ASSERT_TRUE(game->waitFor(messageShown));
    for (KeySymbol key : {XK_Left, XK_Right, XK_Up, XK_Down}) {
        game->press(XK_r, true);
        game->press(XK_Escape);
        game->press(key);
    }
    game->press(XK_r);
    const auto resumed = game->waitFor(messageHidden);
    ASSERT_TRUE(resumed);
    EXPECT_EQ(movedLeft.differences(*resumed), "") << "a key acted while the game was paused";
    EXPECT_TRUE(game->alive());
}

}  // namespace
}  // namespace e2e
