// The lightest GLUT window there is: it clears and swaps, the floor for start-up time.
#include "bench/floor_scene.h"

int main(int argc, char** argv) {
    runFloorWindow(argc, argv, "floor_bare", nullptr);
    return 0;
}
