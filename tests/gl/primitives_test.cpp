// The two drawing primitives: filled rectangles and bitmap text.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <vector>

#include "gl_window.h"
#include "picture.h"
#include "render/draw.h"

namespace {

using PrimitivesTest = DrawTest;

struct Corners {
    int x1;
    int y1;
    int x2;
    int y2;
};

TEST_F(PrimitivesTest, QuadFillsTheSameRectangleWhicheverCornersComeFirst) {
    const Corners orders[] = {
        {10, 20, 50, 60}, {50, 20, 10, 60}, {10, 60, 50, 20}, {50, 60, 10, 20},
    };
    const Colour yellow = ColourTable[2];
    for (const Corners& corners : orders) {
        SCOPED_TRACE(::testing::Message() << "(" << corners.x1 << ", " << corners.y1 << ", "
                                          << corners.x2 << ", " << corners.y2 << ")");
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3f(yellow.red, yellow.green, yellow.blue);
        drawQuad(corners.x1, corners.y1, corners.x2, corners.y2);
        const Frame frame = Frame::readBack();
        EXPECT_TRUE(rectShows(frame, {10, 20, 49, 59}, yellow));
        EXPECT_EQ(litPixelCount(frame), 40 * 40);
    }
}

Frame drawnText(float x, float y, const char* text) {
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1, 1, 1);
    drawText(x, y, statusFont, text);
    return Frame::readBack();
}

bool samePicture(const Frame& a, const Frame& b) {
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            if (a.at(x, y) != b.at(x, y)) return false;
        }
    }
    return true;
}

TEST_F(PrimitivesTest, EmptyTextDrawsNothing) {
    EXPECT_EQ(litPixelCount(drawnText(5, 385, "")), 0);
}

// The start is truncated to a whole pixel before the first character is placed.
TEST_F(PrimitivesTest, FractionalStartIsTruncatedTowardZero) {
    struct Start {
        float given;
        float truncated;
    };
    const Start starts[] = {{5.9f, 5.0f}, {5.1f, 5.0f}, {-0.5f, 0.0f}, {140.99f, 140.0f}};
    for (const Start& start : starts) {
        SCOPED_TRACE(::testing::Message() << "x " << start.given);
        const Frame given = drawnText(start.given, 200, "Score: 0");
        const Frame truncated = drawnText(start.truncated, 200, "Score: 0");
        EXPECT_GT(litPixelCount(truncated), 0);
        EXPECT_TRUE(samePicture(given, truncated));
    }
    // One whole pixel further does move the text, so the comparison above can see a shift.
    EXPECT_FALSE(samePicture(drawnText(6, 200, "Score: 0"), drawnText(5, 200, "Score: 0")));
}

}  // namespace
