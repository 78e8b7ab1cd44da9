// The one GL window the drawing tests render into, set up like the game's own window.
#pragma once

#include <gtest/gtest.h>

// Opens a 200 x 400 window like the game's once per process, on first use, retrying while the X
// server refuses clients, and leaves its context current. Ends the test run when no display
// can be reached at all.
void openGlWindowOnce();

// Every drawing test starts on a cleared back buffer with the game's GL state (setGameGlState), and must leave
// no GL error and the projection matrix stack at its base.
class DrawTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
