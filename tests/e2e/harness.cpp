// Starting the game binary, finding its window, XTest keys and XGetImage screenshots.
#include "tests/e2e/harness.h"

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <thread>

extern char** environ;

namespace e2e {

namespace {

using Clock = std::chrono::steady_clock;
constexpr char kTitle[] = "Tumbrix";
constexpr auto kPollPause = std::chrono::milliseconds(15);

// Xlib ends the process on a protocol error by default; a window that vanished with its
// process must fail the test instead.
int lastXError = 0;
int recordXError(Display*, XErrorEvent* event) {
    lastXError = event->error_code;
    return 0;
}

void pause(std::chrono::milliseconds length) { std::this_thread::sleep_for(length); }

bool before(Clock::time_point deadline) { return Clock::now() < deadline; }

Clock::time_point after(Seconds limit) {
    return Clock::now() + std::chrono::duration_cast<Clock::duration>(limit);
}

// The top-level windows titled like the game. Without a window manager they are root's children.
std::set<Window> gameWindows() {
    Display* display = testDisplay();
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    std::set<Window> found;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
        return found;
    }
    for (unsigned i = 0; i < count; ++i) {
        char* name = nullptr;
        lastXError = 0;
        if (XFetchName(display, children[i], &name) != 0 && name != nullptr) {
            if (lastXError == 0 && std::strcmp(name, kTitle) == 0) found.insert(children[i]);
            XFree(name);
        }
    }
    if (children != nullptr) XFree(children);
    return found;
}

// The child's environment: the inherited one with the clock and display the test asks for.
std::vector<std::string> childEnvironment(const LaunchOptions& options) {
    std::vector<std::string> env;
    std::string asanOptions;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        if (name == "ASAN_OPTIONS") asanOptions = text.substr(name.size() + 1);
        const bool replaced = name == "ASAN_OPTIONS" || name == "FAKETIME" || name == "LD_PRELOAD";
        const bool dropped = name == "DISPLAY" && (options.withoutDisplay || !options.display.empty());
        if (!replaced && !dropped) env.push_back(text);
    }
    if (!options.display.empty()) env.push_back("DISPLAY=" + options.display);
    // The GL driver stays loaded to the end, so that a leak report at exit names it.
    std::string preload = KEEP_GL_DRIVER_LIBRARY;
    if (!options.fakeTime.empty()) {
        env.push_back("FAKETIME=" + options.fakeTime);
        preload += std::string(" ") + FAKETIME_LIBRARY;
        // The leak check runs after libfaketime has shut down, and its symbolizer's stat calls
        // would then wait on libfaketime's destroyed lock and abort; file times need no faking.
        env.push_back("NO_FAKE_STAT=1");
    }
    env.push_back("LD_PRELOAD=" + preload);
    // The sanitizer runtime wants to be loaded before anything preloaded.
    asanOptions += asanOptions.empty() ? "" : ":";
    env.push_back("ASAN_OPTIONS=" + asanOptions + "verify_asan_link_order=0");
    return env;
}

// fork + exec of the binary in its work directory, stderr into `stderrPath`.
pid_t spawn(const LaunchOptions& options, const std::string& stderrPath) {
    std::vector<std::string> env = childEnvironment(options);
    std::vector<char*> envp;
    for (std::string& entry : env) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string binary = TUMBRIX_BINARY;
    char* argv[] = {binary.data(), nullptr};
    const pid_t pid = fork();
    if (pid != 0) return pid;
    setpgid(0, 0);
    const int err = open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int out = open("/dev/null", O_WRONLY);
    if (err < 0 || out < 0 || chdir(options.workDir.c_str()) != 0) _exit(126);
    dup2(err, STDERR_FILENO);
    dup2(out, STDOUT_FILENO);
    execve(argv[0], argv, envp.data());
    _exit(127);
}

std::string temporaryFileName() {
    const char* tmp = std::getenv("TMPDIR");
    std::string path = std::string(tmp != nullptr ? tmp : "/tmp") + "/tumbrix-e2e-stderr-XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd >= 0) close(fd);
    return path;
}

// The game's own message, or GLUT's when the display refused it after the game's check.
bool displayRefused(const std::string& text) {
    for (const char* refusal : {"no X display", "cannot open display", "failed to open display"}) {
        if (text.find(refusal) != std::string::npos) return true;
    }
    return false;
}

}  // namespace

bool haveDisplay() {
    const char* name = std::getenv("DISPLAY");
    return name != nullptr && *name != '\0';
}

Display* testDisplay() {
    static Display* display = nullptr;
    for (int attempt = 0; display == nullptr && attempt < 100; ++attempt) {
        display = XOpenDisplay(nullptr);
        if (display == nullptr) pause(std::chrono::milliseconds(100));
    }
    if (display != nullptr) XSetErrorHandler(recordXError);
    return display;
}

Outcome runToExit(const LaunchOptions& options, Seconds limit) {
    const std::string stderrPath = temporaryFileName();
    const pid_t pid = spawn(options, stderrPath);
    Outcome outcome;
    const auto deadline = after(limit);
    while (waitpid(pid, &outcome.waitStatus, WNOHANG) == 0) {
        if (!before(deadline)) {
            ::kill(pid, SIGKILL);
            waitpid(pid, &outcome.waitStatus, 0);
            break;
        }
        pause(kPollPause);
    }
    outcome.stderrText = readFile(stderrPath).value_or("");
    unlink(stderrPath.c_str());
    return outcome;
}

std::unique_ptr<GameProcess> GameProcess::launch(const LaunchOptions& options, std::string& error) {
    if (testDisplay() == nullptr) {
        error = "cannot open the test display";
        return nullptr;
    }
    for (int attempt = 1; attempt <= 5; ++attempt) {
        const std::set<Window> existing = gameWindows();
        std::unique_ptr<GameProcess> game(new GameProcess(0, temporaryFileName()));
        game->pid_ = spawn(options, game->stderrPath_);
        const auto deadline = after(Seconds(30));
        while (game->window_ == 0 && before(deadline) && game->alive()) {
            for (Window window : gameWindows()) {
                if (existing.count(window) == 0) game->window_ = window;
            }
            if (game->window_ == 0) pause(kPollPause);
        }
        const auto firstFrame = [](const Shot& shot) {
            return shot.anyWhite(Box{0, 0, shot.width(), shot.height()});
        };
        if (game->window_ != 0 && game->waitFor(firstFrame, Seconds(30))) return game;
        const std::string text = game->stderrText();
        if (game->alive() || !displayRefused(text)) {
            error = "the game showed no window within 30 s; its stderr: " + text;
            return nullptr;
        }
        pause(std::chrono::milliseconds(200 * attempt));  // Xvfb refused the client: try again
    }
    error = "the display refused the game five times";
    return nullptr;
}

GameProcess::~GameProcess() {
    if (running_) kill();
    unlink(stderrPath_.c_str());
}

Shot GameProcess::shot() const {
    Display* display = testDisplay();
    XWindowAttributes attributes;
    lastXError = 0;
    if (XGetWindowAttributes(display, window_, &attributes) == 0 || lastXError != 0 ||
        attributes.map_state != IsViewable) {
        return Shot();
    }
    XImage* image = XGetImage(display, window_, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    XSync(display, False);
    if (image == nullptr || lastXError != 0) return Shot();
    std::vector<Rgb> pixels;
    pixels.reserve(static_cast<std::size_t>(attributes.width * attributes.height));
    for (int y = 0; y < attributes.height; ++y) {
        for (int x = 0; x < attributes.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            // A 24-bit TrueColor visual: one byte per channel under the image's masks.
            const auto channel = [pixel](unsigned long mask) {
                unsigned long value = pixel & mask;
                while (mask != 0 && (mask & 1) == 0) {
                    mask >>= 1;
                    value >>= 1;
                }
                return static_cast<std::uint8_t>(value);
            };
            pixels.push_back({channel(image->red_mask), channel(image->green_mask),
                              channel(image->blue_mask)});
        }
    }
    XDestroyImage(image);
    return Shot(attributes.width, attributes.height, std::move(pixels));
}

void GameProcess::press(KeySymbol key, bool shift) const {
    Display* display = testDisplay();
    XSetInputFocus(display, window_, RevertToPointerRoot, CurrentTime);
    const KeyCode code = XKeysymToKeycode(display, key);
    const KeyCode shiftCode = XKeysymToKeycode(display, XK_Shift_L);
    if (shift) XTestFakeKeyEvent(display, shiftCode, True, CurrentTime);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    if (shift) XTestFakeKeyEvent(display, shiftCode, False, CurrentTime);
    XSync(display, False);
}

std::optional<Shot> GameProcess::waitFor(const std::function<bool(const Shot&)>& condition,
                                         Seconds limit) {
    const auto deadline = after(limit);
    do {
        Shot picture = shot();
        if (!picture.empty() && condition(picture)) return picture;
        pause(kPollPause);
    } while (before(deadline) && alive());
    return std::nullopt;
}

bool GameProcess::reap(int options) {
    if (!running_) return true;
    const pid_t done = waitpid(pid_, &waitStatus_, options);
    if (done == pid_ || done < 0) running_ = false;
    return !running_;
}

bool GameProcess::alive() { return !reap(WNOHANG); }

int GameProcess::kill() {
    if (running_) {
        ::kill(pid_, SIGKILL);
        reap(0);
    }
    return waitStatus_;
}

std::optional<int> GameProcess::closeWindow(Seconds limit) {
    Display* display = testDisplay();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window_;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window_, False, NoEventMask, &event);
    XSync(display, False);
    const auto deadline = after(limit);
    while (alive() && before(deadline)) pause(kPollPause);
    if (alive()) return std::nullopt;
    return waitStatus_;
}

std::string GameProcess::stderrText() const { return readFile(stderrPath_).value_or(""); }

bool GameProcess::savePng(const std::string& path) const {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const std::string command =
        "import -window " + std::to_string(window_) + " PNG24:'" + path + "'";
    return std::system(command.c_str()) == 0;
}

}  // namespace e2e
