// The best score kept between runs: score.dat, the decimal text of one integer.
#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

constexpr char kScoreFileName[] = "score.dat";

// The number at the start of the file, after any white space; whatever follows it is ignored.
// 0 when the file is missing or unreadable, holds no number, or the number does not fit in
// 32 bits.
int readBestScore(const char* path);

// Replaces the file's content with the decimal text of `best`, atomically: a temporary file
// beside it is written, flushed to disk and renamed over it, so a crash or a full disk leaves
// either the old content or the new, never a mix. On failure returns false, leaves the old
// file as it was, and says why in `error`.
bool writeBestScore(const char* path, int best, std::string& error);

// The system calls a save goes through; a test replaces one to make the save fail.
struct SaveCalls {
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
};
extern SaveCalls saveCalls;
