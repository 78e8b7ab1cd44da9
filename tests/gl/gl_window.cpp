// Opening the test window: a display that may refuse us for a while, then GLUT, then GL state.
#include "gl_window.h"

#include <GL/freeglut.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "render/draw.h"

namespace {

constexpr int kDisplayAttempts = 200;  // 20 s in steps of 100 ms
constexpr auto kDisplayRetryDelay = std::chrono::milliseconds(100);

// glutInit ends the process when it cannot open the display, so make sure first that the
// server takes clients; a loaded Xvfb refuses some for a moment.
bool waitForDisplay() {
    for (int attempt = 0; attempt < kDisplayAttempts; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr)) {
            XCloseDisplay(display);
            return true;
        }
        std::this_thread::sleep_for(kDisplayRetryDelay);
    }
    return false;
}

// GLUT insists on a display callback for every window; every picture here comes from a test.
void noRepaint() {}

void openWindow() {
    if (!waitForDisplay()) {
        std::fprintf(stderr, "gl_tests: no X display (DISPLAY is \"%s\"); run under xvfb-run -a\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        std::exit(1);
    }
    int argc = 1;
    char name[] = "gl_tests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE);
    glutInitWindowSize(200, 400);
    glutInitWindowPosition(300, 100);
    glutCreateWindow("Tumbrix drawing test");  // never the game's own title, which e2e tests look for
    glutDisplayFunc(noRepaint);
    glutMainLoopEvent();  // map the window and take its first configure event
}

}  // namespace

void openGlWindowOnce() {
    static const bool opened = (openWindow(), true);
    (void)opened;
}

void DrawTest::SetUp() {
    openGlWindowOnce();
    setGameGlState();
    glDrawBuffer(GL_BACK);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void DrawTest::TearDown() {
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    GLint depth = 0;
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1) << "a drawing left the projection matrix pushed";
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_PROJECTION);
}
