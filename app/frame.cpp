// The game's frame: draw the field (removing full rows), advance the piece, draw it, show.
#include "app/frame.h"

#include <GL/freeglut.h>

#include "game/piece.h"
#include "game/state.h"
#include "render/draw.h"

void idle() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawPlayfield(game);
    piece.update();
    drawPiece(piece);
    drawStatus(game);
    glFlush();
    glutSwapBuffers();
}
