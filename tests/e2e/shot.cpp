// Screenshots of the game window, read in the game's own drawing space.
#include "tests/e2e/harness.h"

namespace e2e {

Shot::Shot(int width, int height, std::vector<Rgb> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels)) {}

Rgb Shot::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBlack;
    return pixels_[static_cast<std::size_t>((height_ - 1 - y) * width_ + x)];
}

bool Shot::anyWhite(const Box& box) const {
    for (int y = box.y0; y < box.y1; ++y) {
        for (int x = box.x0; x < box.x1; ++x) {
            if (at(x, y) == kWhite) return true;
        }
    }
    return false;
}

std::string Shot::whiteMask(const Box& box) const {
    std::string mask;
    for (int y = box.y1 - 1; y >= box.y0; --y) {
        for (int x = box.x0; x < box.x1; ++x) mask += at(x, y) == kWhite ? '#' : '.';
        mask += '\n';
    }
    return mask;
}

bool Shot::operator==(const Shot& other) const {
    return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
}

}  // namespace e2e
