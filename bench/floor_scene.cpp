// The floor programs' pictures: the game's GL state and its kinds of drawing, with nothing else.
#include "bench/floor_scene.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

namespace {

void drawInsetSquare(int x1, int y1, int x2, int y2) {
    glBegin(GL_POLYGON);
    glVertex2f(static_cast<float>(x1), static_cast<float>(y1));
    glVertex2f(static_cast<float>(x2), static_cast<float>(y1));
    glVertex2f(static_cast<float>(x2), static_cast<float>(y2));
    glVertex2f(static_cast<float>(x1), static_cast<float>(y2));
    glEnd();
}

void drawTextLine(float x, float y, const char* text) {
    int runningX = static_cast<int>(x);
    for (const char* c = text; *c != '\0'; ++c) {
        glRasterPos2f(static_cast<float>(runningX), y);
        glutBitmapCharacter(GLUT_BITMAP_HELVETICA_12, *c);
        runningX += glutBitmapWidth(GLUT_BITMAP_HELVETICA_12, *c);
    }
}

void (*floorScene)() = nullptr;

void floorIdle() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (floorScene != nullptr) floorScene();
    glFlush();
    glutSwapBuffers();
}

void floorDisplay() {}

}  // namespace

void setGameGlState() {
    glClearColor(0, 0, 0, 0);
    glColor3f(0, 0, 1);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, 200, 0, 400);
}

void drawFloorScene() { drawFloorCells(200, 5); }

void drawFloorCells(int cells, int textLines) {
    for (int row = 0; row < 20; ++row) {
        for (int column = 0; column < 10 && row * 10 + column < cells; ++column) {
            glPushMatrix();
            glColor3f(static_cast<float>(column % 2), static_cast<float>(row % 2), 1.0f);
            glTranslated(20.0 * column, 20.0 * row, 0);
            drawInsetSquare(1, 1, 19, 19);
            glPopMatrix();
        }
    }
    glPushMatrix();
    glTranslated(90, 390, 0);
    glTranslated(0, 0, 0);
    glRotated(0, 0, 0, 1);
    glColor3f(0.5f, 0.5f, 0.5f);
    for (int k = 0; k < 4; ++k) drawInsetSquare(-9 + 20 * k, -9, 9 + 20 * k, 9);
    glPopMatrix();
    if (textLines == 5) {
        glColor3f(1, 1, 1);
        drawTextLine(20, 200, "Paused - press r to resume");
    }
    glColor3f(1, 1, 1);
    drawTextLine(5, 370, "Highest: 0");
    drawTextLine(5, 385, "Score: 0");
    drawTextLine(140, 385, "Level: 0");
    drawTextLine(140, 370, "Lines: 0");
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
