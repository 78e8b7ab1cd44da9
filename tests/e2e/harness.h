// Runs the real tumbrix binary on the test X display: launch, find its window, type, look.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct _XDisplay;

namespace e2e {

// Xlib's own names stay out of this header: its macros (None, Bool) clash with the test framework.
using WindowId = unsigned long;
using KeySymbol = unsigned long;

using Seconds = std::chrono::duration<double>;

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    bool operator==(const Rgb& other) const {
        return red == other.red && green == other.green && blue == other.blue;
    }
    bool operator!=(const Rgb& other) const { return !(*this == other); }
};
constexpr Rgb kBlack = {0, 0, 0};
constexpr Rgb kWhite = {255, 255, 255};

// A half-open box of the game's drawing space: x from the left, y up from the bottom.
struct Box {
    int x0;
    int y0;
    int x1;
    int y1;
};

// One picture of the game window, read back with XGetImage. Empty when the window is gone.
class Shot {
public:
    Shot() = default;
    Shot(int width, int height, std::vector<Rgb> pixels);
    bool empty() const { return pixels_.empty(); }
    int width() const { return width_; }
    int height() const { return height_; }
    // The pixel at (x, y) of the drawing space, y counted up from the bottom row.
    Rgb at(int x, int y) const;
    bool anyWhite(const Box& box) const;
    // The white pixels of a box, row by row, as '#' and '.': the glyphs of the text in it.
    std::string whiteMask(const Box& box) const;
    bool operator==(const Shot& other) const;
    bool operator!=(const Shot& other) const { return !(*this == other); }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;  // top row first, as the screen stores them
};

// The display this test process talks to; opened on first use, retrying while Xvfb refuses.
_XDisplay* testDisplay();
bool haveDisplay();  // DISPLAY is set: the e2e tests skip without it

// A fresh directory under $TMPDIR, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::optional<std::string> readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& content);

struct LaunchOptions {
    std::string workDir;           // the game's current directory, where score.dat lives
    std::string fakeTime;          // a FAKETIME value ("@2026-01-01 00:00:00 x0.01"); empty: real clock
    bool withoutDisplay = false;   // start with DISPLAY unset
    std::string display;           // replaces DISPLAY when not empty
};

// A frozen start time and a clock at 1 %: the same pieces every run and no gravity while a
// test types its keys.
constexpr char kPinnedSlowClock[] = "@2026-01-01 00:00:00 x0.01";

// What a run that ended by itself left behind.
struct Outcome {
    int waitStatus = 0;
    std::string stderrText;
};

// Runs the game to its end without waiting for a window, killing it after `limit`.
Outcome runToExit(const LaunchOptions& options, Seconds limit);

// One running game and its window. The process is killed when this goes away.
class GameProcess {
public:
    // Starts the game and waits for its first frame; retries a start refused by the display.
    static std::unique_ptr<GameProcess> launch(const LaunchOptions& options, std::string& error);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    WindowId window() const { return window_; }
    pid_t pid() const { return pid_; }
    Shot shot() const;
    // A real key event through XTest, to the game's window, with Shift held when asked.
    void press(KeySymbol key, bool shift = false) const;
    // Polls screenshots until `condition` holds; the last shot on success.
    std::optional<Shot> waitFor(const std::function<bool(const Shot&)>& condition,
                                Seconds limit = Seconds(10));
    bool alive();
    // SIGKILL and reap; the wait status.
    int kill();
    // Asks the window to close, as a window manager's close button does; the wait status.
    std::optional<int> closeWindow(Seconds limit);
    std::string stderrText() const;
    // A PNG of the window through ImageMagick, for a failed test or the README.
    bool savePng(const std::string& path) const;

private:
    GameProcess(pid_t pid, std::string stderrPath) : pid_(pid), stderrPath_(std::move(stderrPath)) {}
    bool reap(int options);

    pid_t pid_;
    std::string stderrPath_;
    WindowId window_ = 0;
    bool running_ = true;
    int waitStatus_ = 0;
};

}  // namespace e2e
