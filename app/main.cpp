// The entry point: the window, the GL state and the four GLUT callbacks of the game.
#include <GL/freeglut.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/frame.h"
#include "game/piece.h"
#include "game/run_state.h"
#include "game/state.h"
#include "render/draw.h"

namespace {

int glutElapsedTime() { return glutGet(GLUT_ELAPSED_TIME); }

// GLUT ends the process with a stack of library errors when there is no display to open;
// say it once, plainly, and how to play without a desktop.
bool displayReachable(int argc, char** argv) {
    const char* name = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-display") == 0) name = argv[i + 1];
    }
    Display* display = XOpenDisplay(name);
    if (display == nullptr) return false;
    XCloseDisplay(display);
    return true;
}

void init() {
    loadBestScore(game);
    emptyPlayfield(game);
    setGameGlState();
}

// Every visible picture comes from idle; a repaint request only clears the hidden buffer.
void display() {
    glClear(GL_COLOR_BUFFER_BIT);
    glFlush();
}

void keyboard(unsigned char key, int, int) {
    switch (key) {
        case 'p': pauseGame(game); break;
        case 'r': resumeGame(game); break;
        default: break;
    }
}

void special(int key, int, int) {
    if (game.halted != 0) return;
    switch (key) {
        case GLUT_KEY_LEFT: piece.moveLeft(20); break;
        case GLUT_KEY_UP: piece.rotate(90); break;
        case GLUT_KEY_RIGHT: piece.moveRight(20); break;
        case GLUT_KEY_DOWN: piece.drop(); break;
        default: break;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!displayReachable(argc, argv)) {
        std::fprintf(stderr,
                     "tumbrix: no X display to open (DISPLAY is \"%s\"); start it from a desktop "
                     "session, or without one as: xvfb-run -a tumbrix\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 1;
    }
    game.elapsedTime = glutElapsedTime;
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE);
    glutInitWindowSize(200, 400);
    glutInitWindowPosition(300, 100);
    glutCreateWindow("Tumbrix");
    glutKeyboardFunc(keyboard);
    glutSpecialFunc(special);
    glutDisplayFunc(display);
    glutIdleFunc(idle);
    init();
    glutMainLoop();
    return 0;
}
