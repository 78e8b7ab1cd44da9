// Reading and atomically replacing the best-score file.
#include "game/score_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <libgen.h>
#include <unistd.h>

SaveCalls saveCalls = {::write, ::fsync, ::rename};

namespace {

bool isSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(int c) { return c >= '0' && c <= '9'; }

// The directory part of `path`, for the temporary file and for syncing the rename.
std::string directoryOf(const char* path) {
    std::string copy = path;
    return dirname(copy.data());
}

// Writes all of `size` bytes. A write that stops short without an error of its own means the
// disk is full, which is what the caller is told.
bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t done = saveCalls.write(fd, data, size);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) {
            if (done == 0) errno = ENOSPC;
            return false;
        }
        data += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

bool fail(std::string& error, const char* what) {
    error = std::string(what) + ": " + std::strerror(errno);
    return false;
}

}  // namespace

int readBestScore(const char* path) {
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr) return 0;
    int c = std::getc(file);
    while (isSpace(c)) c = std::getc(file);
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = std::getc(file);
    }
    long long magnitude = 0;
    bool sawDigit = false;
    bool fits = true;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    while (isDigit(c)) {
        sawDigit = true;
        if (fits) {
            magnitude = magnitude * 10 + (c - '0');
            fits = magnitude <= limit;
        }
        c = std::getc(file);
    }
    // A read error (the path is a directory, say) leaves no trustworthy number.
    const bool readFailed = std::ferror(file) != 0;
    std::fclose(file);
    if (!sawDigit || !fits || readFailed) return 0;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

bool writeBestScore(const char* path, int best, std::string& error) {
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%d", best);
    const std::string temporary = std::string(path) + ".tmp";

    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return fail(error, "cannot create a temporary file");
    bool written = writeAll(fd, text, static_cast<std::size_t>(length));
    if (!written) {
        fail(error, "cannot write");
    } else if (saveCalls.fsync(fd) != 0) {
        written = fail(error, "cannot flush to disk");
    }
    if (::close(fd) != 0 && written) written = fail(error, "cannot close");
    if (written && saveCalls.rename(temporary.c_str(), path) != 0) {
        written = fail(error, "cannot replace the file");
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself durable; the new content is already in place either way.
    const int dir = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}
