// The GL calls everything is drawn with: the game's GL state, filled quads and bitmap text.
#include "render/primitives.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

void* const statusFont = GLUT_BITMAP_HELVETICA_12;

void setGameGlState() {
    glClearColor(0, 0, 0, 0);
    glColor3f(0, 0, 1);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, 200, 0, 400);
}

void drawQuad(int x1, int y1, int x2, int y2) {
    glBegin(GL_POLYGON);
    glVertex2f(static_cast<float>(x1), static_cast<float>(y1));
    glVertex2f(static_cast<float>(x2), static_cast<float>(y1));
    glVertex2f(static_cast<float>(x2), static_cast<float>(y2));
    glVertex2f(static_cast<float>(x1), static_cast<float>(y2));
    glEnd();
}

// Each character gets its own raster position, advanced by the font's whole-pixel widths.
void drawText(float x, float y, void* font, const char* text) {
    int runningX = static_cast<int>(x);
    for (const char* c = text; *c != '\0'; ++c) {
        const int character = static_cast<unsigned char>(*c);
        glRasterPos2f(static_cast<float>(runningX), y);
        glutBitmapCharacter(font, character);
        runningX += glutBitmapWidth(font, character);
    }
}
