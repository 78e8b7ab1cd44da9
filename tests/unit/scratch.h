// A fresh working directory per test, and what a path in it holds, for the score-file tests.
#pragma once

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

namespace scratch {

// What whatIsAt says of a path that holds no file, and of a directory.
inline constexpr char kNothing[] = "<nothing>";
inline constexpr char kDirectory[] = "<directory>";

inline std::filesystem::path enterScratchDirectory() {
    const std::filesystem::path home = std::filesystem::current_path();
    std::string name = (std::filesystem::temp_directory_path() / "tumbrix-unit-XXXXXX").string();
    if (mkdtemp(name.data()) == nullptr) {
        throw std::filesystem::filesystem_error("mkdtemp", name, std::error_code(errno, std::generic_category()));
    }
    std::filesystem::current_path(name);
    return home;
}

inline void leaveScratchDirectory(const std::filesystem::path& home) {
    const std::filesystem::path scratch = std::filesystem::current_path();
    std::filesystem::current_path(home);
    std::filesystem::remove_all(scratch);
}

// What a path holds, in the words the tables use: kNothing, kDirectory, or a file's content.
inline std::string whatIsAt(const char* path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return kDirectory;
    std::ifstream in(path, std::ios::binary);
    if (!in) return kNothing;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline void placeAt(const char* path, const std::string& what) {
    if (what == kDirectory) {
        std::filesystem::create_directory(path);
    } else if (what != kNothing) {
        std::ofstream(path, std::ios::binary) << what;
    }
}

}  // namespace scratch
