// Drawing the falling piece as four inset squares turned about its pivot.
#include <GL/freeglut.h>

#include "render/draw.h"

namespace {

// The four squares of each type, (x1, y1, x2, y2) in pixels around the pivot square's centre,
// before the turn: 18 x 18 squares centred 20 pixels apart, like a settled block.
constexpr int kPieceCorners[8][4][4] = {
    {},
    {{-9, -9, 9, 9}, {11, 11, 29, 29}, {-11, -9, -29, 9}, {-9, 11, 9, 29}},     // 1 S
    {{-9, -9, 9, 9}, {11, -9, 29, 9}, {-11, -9, -29, 9}, {11, 11, 29, 29}},     // 2 L
    {{-9, -9, 9, 9}, {11, -9, 29, 9}, {-11, 11, -29, 29}, {-9, 11, 9, 29}},     // 3 Z
    {{-9, -9, 9, 9}, {11, -9, 29, 9}, {-11, -9, -29, 9}, {31, -9, 49, 9}},      // 4 I
    {{-9, -9, 9, 9}, {11, -9, 29, 9}, {-11, -9, -29, 9}, {-11, 11, -29, 29}},   // 5 J
    {{-9, -9, 9, 9}, {11, -9, 29, 9}, {-11, -9, -29, 9}, {-9, 11, 9, 29}},      // 6 T
    {{-9, -9, 9, 9}, {11, 11, 29, 29}, {11, -9, 29, 9}, {-9, 11, 9, 29}},       // 7 O
};

// Centre of the pivot's spawn square as shown: column 4 of row 19.
constexpr double kSpawnPivotX = 90;
constexpr double kSpawnPivotY = 390;

}  // namespace

void drawPiece(const Piece& piece) {
    if (piece.type < 1 || piece.type > 7) return;
    glPushMatrix();
    glTranslated(kSpawnPivotX, kSpawnPivotY, 0);
    glTranslated(piece.x, piece.y, 0);
    glRotated(piece.angle, 0, 0, 1);
    const Colour& colour = ColourTable[piece.type];
    glColor3f(colour.red, colour.green, colour.blue);
    for (const auto& square : kPieceCorners[piece.type]) {
        drawQuad(square[0], square[1], square[2], square[3]);
    }
    glPopMatrix();
}
