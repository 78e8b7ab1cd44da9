// The floor programs' pictures: the game's GL state and its kinds of drawing, with nothing else.
#include "bench/floor_scene.h"

#include <GL/freeglut.h>

#include "render/primitives.h"

namespace {

void (*floorScene)() = nullptr;

void floorIdle() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (floorScene != nullptr) floorScene();
    glFlush();
    glutSwapBuffers();
}

void floorDisplay() {}

}  // namespace

void drawFloorScene() { drawFloorCells(200, 5); }

void drawFloorCells(int cells, int textLines) {
    for (int row = 0; row < 20; ++row) {
        for (int column = 0; column < 10 && row * 10 + column < cells; ++column) {
            glPushMatrix();
            glColor3f(static_cast<float>(column % 2), static_cast<float>(row % 2), 1.0f);
            glTranslated(20.0 * column, 20.0 * row, 0);
            drawQuad(1, 1, 19, 19);
            glPopMatrix();
        }
    }
    glPushMatrix();
    glTranslated(90, 390, 0);
    glTranslated(0, 0, 0);
    glRotated(0, 0, 0, 1);
    glColor3f(0.5f, 0.5f, 0.5f);
    for (int k = 0; k < 4; ++k) drawQuad(-9 + 20 * k, -9, 9 + 20 * k, 9);
    glPopMatrix();
    if (textLines == 5) {
        glColor3f(1, 1, 1);
        drawText(20, 200, statusFont, "Paused - press r to resume");
    }
    glColor3f(1, 1, 1);
    drawText(5, 370, statusFont, "Highest: 0");
    drawText(5, 385, statusFont, "Score: 0");
    drawText(140, 385, statusFont, "Level: 0");
    drawText(140, 370, statusFont, "Lines: 0");
}

void runFloorWindow(int argc, char** argv, const char* title, void (*drawScene)()) {
    floorScene = drawScene;
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE);
    glutInitWindowSize(200, 400);
    glutInitWindowPosition(300, 100);
    glutCreateWindow(title);
    glutDisplayFunc(floorDisplay);
    glutIdleFunc(floorIdle);
    setGameGlState();
    glutMainLoop();
}
