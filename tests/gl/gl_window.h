// The one GL window the drawing tests render into, set up like the game's own window.
#pragma once

#include <gtest/gtest.h>

// Opens the 200 x 400 "Tumbrix" window once per process, on first use, retrying while the X
// server refuses clients, and leaves its context current. Ends the test run when no display
// can be reached at all.
void openGlWindowOnce();

// Puts back the GL state the game's init leaves: black clear colour, blue current colour, and
// the 200 x 400 orthographic projection as the current matrix.
void resetGameGlState();

// Every drawing test starts on a cleared back buffer with the game's GL state, and must leave
// no GL error and the projection matrix stack at its base.
class DrawTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
