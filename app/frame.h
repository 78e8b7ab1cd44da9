// The game's frame: the idle callback, shared with the frame benchmark so that it measures this.
#pragma once

// One whole frame, with no frame limit: the pace comes from the clock, not the frame rate.
void idle();
