// The message line and the four status lines, read back from the window.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "gl_window.h"
#include "picture.h"
#include "render/draw.h"

namespace {

// The glyphs of the status font reach at most 3 pixels below the baseline and 11 above it.
constexpr int kTextDescent = 3;
constexpr int kTextAscent = 11;

// Where a line of text may leave white pixels: from its start to the end of its advance.
struct TextLine {
    int x;
    int y;
    const char* text;

    int width() const {
        return glutBitmapLength(statusFont, reinterpret_cast<const unsigned char*>(text));
    }
    Rect box() const { return {x, y - kTextDescent, x + width() - 1, y + kTextAscent}; }
};

bool insideAny(const std::vector<TextLine>& lines, int x, int y) {
    return std::any_of(lines.begin(), lines.end(),
                       [x, y](const TextLine& line) { return line.box().contains(x, y); });
}

// The line's white pixels start at its start, end at its advance and sit on its baseline,
// which tells its place and its length; every other lit pixel lies in one of `lines`.
::testing::AssertionResult showsLine(const Frame& frame, const TextLine& line) {
    const Rect box = line.box();
    Rect lit = {box.right + 1, box.top + 1, box.left - 1, box.bottom - 1};
    for (int y = box.bottom; y <= box.top; ++y) {
        for (int x = box.left; x <= box.right; ++x) {
            if (frame.at(x, y) != kWhitePixel) continue;
            lit = {std::min(lit.left, x), std::min(lit.bottom, y), std::max(lit.right, x),
                   std::max(lit.top, y)};
        }
    }
    const bool placed = lit.left <= line.x + 2 && lit.right >= box.right - 2 &&
                        lit.bottom <= line.y && lit.top >= line.y;
    if (placed) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "\"" << line.text << "\" at (" << line.x << ", " << line.y << "): white pixels span x "
           << lit.left << ".." << lit.right << ", y " << lit.bottom << ".." << lit.top;
}

// Every lit pixel is pure white and lies in the box of one of the lines.
::testing::AssertionResult onlyWhiteTextOf(const Frame& frame, const std::vector<TextLine>& lines) {
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            const Rgb pixel = frame.at(x, y);
            if (pixel == kBlackPixel) continue;
            if (pixel != kWhitePixel || !insideAny(lines, x, y)) {
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << describe(pixel);
            }
        }
    }
    return ::testing::AssertionSuccess();
}

GameState freshState() {
    GameState state;
    refreshStatusTexts(state);
    setMessageText(state, kPauseText);
    return state;
}

const std::vector<TextLine> kStatusLines = {
    {5, 385, "Score: 0"}, {5, 370, "Highest: 0"}, {140, 385, "Level: 0"}, {140, 370, "Lines: 0"},
};

Frame drawStatusOver(const GameState& state, const Colour& leftOverColour) {
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(leftOverColour.red, leftOverColour.green, leftOverColour.blue);
    drawStatus(state);
    return Frame::readBack();
}

using StatusDrawTest = DrawTest;

TEST_F(StatusDrawTest, StatusLinesShowInWhiteAtTheirPlaces) {
    const Frame frame = drawStatusOver(freshState(), ColourTable[4]);
    for (const TextLine& line : kStatusLines) EXPECT_TRUE(showsLine(frame, line));
    EXPECT_TRUE(onlyWhiteTextOf(frame, kStatusLines));
}

struct MessageCase {
    int halted;
    const char* message;
};

TEST_F(StatusDrawTest, MessageLineShowsOnlyWhileHalted) {
    const std::vector<MessageCase> cases = {
        {0, kPauseText}, {0, kGameOverText}, {1, kPauseText}, {1, kGameOverText},
    };
    for (const MessageCase& message : cases) {
        SCOPED_TRACE(::testing::Message() << "halted " << message.halted << ": " << message.message);
        GameState state = freshState();
        state.halted = message.halted;
        setMessageText(state, message.message);
        const Frame frame = drawStatusOver(state, ColourTable[1]);
        std::vector<TextLine> shown = kStatusLines;
        if (message.halted == 1) {
            shown.push_back({20, 200, message.message});
            EXPECT_TRUE(showsLine(frame, shown.back()));
        }
        EXPECT_TRUE(onlyWhiteTextOf(frame, shown));
    }
}

// Over the settled cells of the top rows the glyphs are the same white pixels as on black,
// and every other pixel keeps the cell picture.
TEST_F(StatusDrawTest, StatusLinesAreDrawnOverTheSettledCells) {
    GameState state = freshState();
    state.playfield = topRows({"123456712.", ".765432176"});
    const Frame onBlack = drawStatusOver(state, ColourTable[3]);
    glClear(GL_COLOR_BUFFER_BIT);
    drawPlayfield(state);
    drawStatus(state);
    const Frame overCells = Frame::readBack();

    glClear(GL_COLOR_BUFFER_BIT);
    drawPlayfield(state);
    const Frame cellsAlone = Frame::readBack();
    EXPECT_TRUE(pictureShowsBoard(cellsAlone, state.playfield));
    int glyphPixels = 0;
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            const bool glyph = onBlack.at(x, y) == kWhitePixel;
            glyphPixels += glyph ? 1 : 0;
            const Rgb expected = glyph ? kWhitePixel : cellsAlone.at(x, y);
            ASSERT_EQ(overCells.at(x, y), expected) << "pixel (" << x << ", " << y << ")";
        }
    }
    EXPECT_GT(glyphPixels, 0);
}

}  // namespace
