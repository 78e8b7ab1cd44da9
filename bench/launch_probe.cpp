// Starts a GLUT program and measures it from outside: the time until its window is mapped on
// the display, and its peak resident memory after it has run for a while.
// Usage: launch_probe SECONDS PROGRAM [ARGS...]; prints "map_ms=... hwm_kb=... rss_kb=...".
// Exit 3 when the program ended before showing a window (a display that refused it: retry).
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

Display* openDisplayPatiently() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr)) return display;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return nullptr;
}

bool childEnded(pid_t child) {
    int status = 0;
    return waitpid(child, &status, WNOHANG) == child;
}

enum class Launch { mapped, ended, timedOut };

// Waits for the first top-level window to be mapped, or for the child to end first.
Launch waitForMap(Display* display, pid_t child, double timeoutSeconds) {
    const Clock::time_point deadline =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(
                           std::chrono::duration<double>(timeoutSeconds));
    const int fd = ConnectionNumber(display);
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify) return Launch::mapped;
        }
        if (childEnded(child)) return Launch::ended;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait = {0, 2000};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }
    return Launch::timedOut;
}

long statusFieldKb(pid_t child, const char* field) {
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/status", static_cast<int>(child));
    FILE* file = std::fopen(path, "r");
    if (file == nullptr) return -1;
    char line[256];
    long value = -1;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, file) != nullptr) {
        if (std::strncmp(line, field, length) == 0) value = std::atol(line + length);
    }
    std::fclose(file);
    return value;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: launch_probe SECONDS PROGRAM [ARGS...]\n");
        return 2;
    }
    const double runSeconds = std::atof(argv[1]);
    Display* display = openDisplayPatiently();
    if (display == nullptr) return 3;
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    const Launch launch = waitForMap(display, child, 30);
    if (launch != Launch::mapped) {
        if (launch == Launch::timedOut) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
        return 3;
    }
    const double mapMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::this_thread::sleep_for(std::chrono::duration<double>(runSeconds));
    const long hwmKb = statusFieldKb(child, "VmHWM:");
    const long rssKb = statusFieldKb(child, "VmRSS:");
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    std::printf("map_ms=%.2f hwm_kb=%ld rss_kb=%ld\n", mapMs, hwmKb, rssKb);
    return hwmKb > 0 ? 0 : 3;
}
