// The game's window and its first frames: title, size, place, status lines and the first piece.
#include "tests/e2e/game_test.h"

#include <X11/Xlib.h>  // after the test framework, whose names Xlib's macros would hide

namespace e2e {
namespace {

using WindowTest = GameTest;

TEST_F(WindowTest, OpensTumbrixWindowOf200By400At300And100) {
    GameProcess* game = start();
    ASSERT_NE(game, nullptr);
    Display* display = testDisplay();
    char* name = nullptr;
    ASSERT_NE(XFetchName(display, game->window(), &name), 0);
    EXPECT_STREQ(name, "Tumbrix");
    XFree(name);

    XWindowAttributes attributes;
    ASSERT_NE(XGetWindowAttributes(display, game->window(), &attributes), 0);
    EXPECT_EQ(attributes.width, 200);
    EXPECT_EQ(attributes.height, 400);
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display, game->window(), DefaultRootWindow(display), 0, 0, &x, &y, &child);
    EXPECT_EQ(x, 300);
    EXPECT_EQ(y, 100);
}

// Black, the four status lines in white and the first piece at its spawn pose in its colour:
// nothing else anywhere in the window.
TEST_F(WindowTest, FirstFrameShowsStatusLinesAndFirstPieceInTopRow) {
    GameProcess* game = start();
    ASSERT_NE(game, nullptr);
    const Shot first = game->shot();
    const int type = spawnedType(first);
    ASSERT_GE(type, 1) << "no piece colour at the pivot square in row 19, column 4";
    EXPECT_EQ(startPicture(type).differences(first), "") << "first piece type " << type;
    for (const Box& line : statusLines()) {
        EXPECT_TRUE(first.anyWhite(line)) << "status line at (" << line.x0 << ',' << line.y0 << ')';
    }
    EXPECT_TRUE(messageHidden(first));
}

// The start time seeds the piece sequence: a second run in the same pinned second draws the
// same first piece, pixel for pixel.
TEST_F(WindowTest, SameStartSecondGivesSameFirstFrame) {
    GameProcess* one = start();
    ASSERT_NE(one, nullptr);
    const Shot first = one->shot();
    one->kill();
    GameProcess* two = start();
    ASSERT_NE(two, nullptr);
    EXPECT_TRUE(two->shot() == first);
}

}  // namespace
}  // namespace e2e
