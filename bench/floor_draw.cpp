// A GLUT window that draws the same kinds of things as the game and nothing else: the floor
// for the game's memory. Usage: floor_draw [CELLS [TEXT_LINES]], 200 cells and 5 lines unless
// told otherwise; "floor_draw 0 4" draws the picture of a game that has just started.
#include <cstdlib>

#include "bench/floor_scene.h"

namespace {

int cells = 200;
int textLines = 5;

void drawChosenScene() { drawFloorCells(cells, textLines); }

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) cells = std::atoi(argv[1]);
    if (argc > 2) textLines = std::atoi(argv[2]);
    runFloorWindow(argc, argv, "floor_draw", drawChosenScene);
    return 0;
}
