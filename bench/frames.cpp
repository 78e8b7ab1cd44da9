// The frames that the benchmark times and counts, on the process-wide game and piece.
#include "bench/frames.h"

#include <GL/freeglut.h>
#include <X11/Xlib.h>

#include <chrono>
#include <thread>

#include "app/frame.h"
#include "bench/floor_scene.h"
#include "game/piece.h"
#include "game/rows.h"
#include "game/run_state.h"
#include "game/state.h"
#include "render/draw.h"

namespace {

GameState preparedGame;     // the state every full-field frame starts from
bool refillAfterFrame = false;
GameState dropStart;        // an empty running game, the start of every hard drop
int nextDropType = 1;

int glutElapsedTime() { return glutGet(GLUT_ELAPSED_TIME); }

// Which type, if any, settles in cell (row, column) of a field with this fill.
int cellFor(Fill fill, int row, int column) {
    const int type = (row + column) % 7 + 1;
    switch (fill) {
        case Fill::empty: return 0;
        case Fill::half: return (row + column) % 2 == 0 ? type : 0;
        case Fill::steady: return column == row % 10 ? 0 : type;
        case Fill::full: return type;
    }
    return 0;
}

void waitForDisplay() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        Display* display = XOpenDisplay(nullptr);
        if (display != nullptr) {
            XCloseDisplay(display);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

void displayNothing() {}

}  // namespace

const char* fillName(Fill fill) {
    switch (fill) {
        case Fill::empty: return "empty";
        case Fill::half: return "half";
        case Fill::steady: return "steady";
        case Fill::full: return "full";
    }
    return "?";
}

int settledCells(Fill fill) {
    int cells = 0;
    for (int row = 0; row < kVisibleRows; ++row) {
        for (int column = 0; column < kFieldColumns; ++column) {
            cells += cellFor(fill, row, column) != 0 ? 1 : 0;
        }
    }
    return cells;
}

bool openBenchWindow(int& argc, char** argv) {
    waitForDisplay();
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE);
    glutInitWindowSize(200, 400);
    glutInitWindowPosition(300, 100);
    glutCreateWindow("Tumbrix bench");
    glutDisplayFunc(displayNothing);
    setGameGlState();
    // Let the window be mapped and exposed, as it is once the game's loop runs.
    for (int i = 0; i < 10; ++i) glutMainLoopEvent();
    game.elapsedTime = glutElapsedTime;
    return true;
}

void prepareGame(Fill fill) {
    emptyPlayfield(game);
    for (int row = 0; row < kVisibleRows; ++row) {
        for (int column = 0; column < kFieldColumns; ++column) {
            game.playfield[row][column] = cellFor(fill, row, column);
        }
    }
    game.lines = game.level = game.score = 0;
    game.fallInterval = 1000;
    game.gameOver = 0;
    pauseGame(game);
    refreshStatusTexts(game);
    piece.x = piece.y = piece.angle = 0;
    piece.type = 6;
    preparedGame = game;
    refillAfterFrame = fill == Fill::full;

    dropStart = game;
    emptyPlayfield(dropStart);
    dropStart.halted = 0;
}

void bareFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFlush();
    glutSwapBuffers();
}

void gameFrame() {
    idle();
    if (refillAfterFrame) game = preparedGame;
}

void floorFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawFloorScene();
    glFlush();
    glutSwapBuffers();
}

void rulesFrame() {
    piece.update();
    clearFullRows(game);
    if (refillAfterFrame) game = preparedGame;
}

void refillOnly() { game = preparedGame; }

void restoreDropStart() {
    game = dropStart;
    piece.x = piece.y = piece.angle = 0;
    piece.type = nextDropType;
    nextDropType = nextDropType % 7 + 1;
}

void hardDropFromSpawn() {
    restoreDropStart();
    piece.drop();
}
