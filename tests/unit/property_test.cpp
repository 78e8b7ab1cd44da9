// Random games: many short seeded runs of shifts, turns, hard drops, clock steps, frames and
// pauses from random boards, every rule checked after every step. TUMBRIX_PROPERTY_OPS sets the
// number of steps, TUMBRIX_PROPERTY_SEED the first run's seed (a failure prints how to replay it).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <random>
#include <string>

#include "board.h"
#include "game/run_state.h"
#include "property_checks.h"

namespace {

using fixture::describe;
using property::Before;

long envNumber(const char* name, long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtol(value, nullptr, 10) : fallback;
}

constexpr int kPointsForRows[] = {0, 40, 100, 300, 1200};

// The pass keeps the rows that are not full, in order, and fills the top of the visible field
// with empty rows; the hidden rows stay as they were.
std::string wrongPass(const Before& b, const GameState& s) {
    Playfield expected = b.state.playfield;
    int kept = 0;
    for (int r = 0; r < kVisibleRows; ++r) {
        if (!rowIsFull(b.state.playfield[r])) expected[kept++] = b.state.playfield[r];
    }
    for (int r = kept; r < kVisibleRows; ++r) expected[r] = PlayfieldRow{};
    const int removed = kVisibleRows - kept;
    if (s.playfield != expected) return "the pass left" + fixture::text(s.playfield) + "instead of" + fixture::text(expected);
    if (s.lines != b.state.lines + removed) return "lines did not count the removed rows";
    if (removed == 0) return describe(s) == describe(b.state) ? "" : "a pass that removed nothing changed something";
    const int points = removed < 5 ? kPointsForRows[removed] * (s.level + 1) : 0;
    if (s.score != b.state.score + points) return "the pass added " + std::to_string(s.score - b.state.score);
    if (s.highest != std::max(b.state.highest, s.score)) return "highest does not follow the score";
    return property::textsDisagree(s);
}

std::string wrongUpdate(const Before& b, const GameState& s, const Piece& p, int& settles) {
    using namespace property;
    const CellList lockBefore = lockCells(b.piece);
    if (s.now != fixture::clockMs) return "now is not the clock";
    if (p.row != lockCells(p)[0].first || p.column != lockCells(p)[0].second) return "row and column not brought up to date";
    if (b.state.halted == 1) {
        if (s.playfield != b.state.playfield || p.y != b.piece.y || p.x != b.piece.x || p.angle != b.piece.angle ||
            s.lastFallTime != b.state.lastFallTime) {
            return "something moved while halted";
        }
        return p.landed == (blocked(s.playfield, lockBefore) ? 1 : 0) ? "" : "landed is wrong while halted";
    }
    const bool due = s.now - b.state.lastFallTime > b.state.fallInterval;
    int rowsDown = -1;
    const std::string error = wrongSettle(b, s, p, 1, rowsDown);
    if (!error.empty()) return error;
    if (rowsDown >= 0) {
        ++settles;
        return rowsDown == 0 || (due && s.lastFallTime == s.now) ? "" : "settled lower without a due step";
    }
    if (s.gameOver == 1) return wrongEndWithoutWriting(b, s, p);
    if (p.x != b.piece.x || p.angle != b.piece.angle || p.type != b.piece.type) return "the frame shifted or turned the piece";
    const bool stepped = p.y == b.piece.y - kCellSize;
    if (!stepped && p.y != b.piece.y) return "the piece moved more than one row";
    if (stepped && (!due || s.lastFallTime != s.now)) return "a step that was not due";
    if (!stepped && s.lastFallTime != b.state.lastFallTime) return "the gravity clock moved without a step";
    if (!stepped && due && !blocked(b.state.playfield, lockBefore)) return "a due step was not made";
    if (stepped && !allEmpty(b.state.playfield, lockCells(b.piece, 1))) return "stepped into settled cells";
    if (p.landed != 0 || blocked(s.playfield, lockCells(p))) return "a blocked piece was left unsettled";
    return "";
}

std::string wrongDrop(const Before& b, const GameState& s, const Piece& p, int& settles) {
    int rowsDown = -1;
    std::string error = property::wrongSettle(b, s, p, kFieldRows, rowsDown);
    if (rowsDown < 0 && error.empty()) {
        if (s.gameOver != 1) return "a hard drop settled nothing";
        error = property::wrongEndWithoutWriting(b, s, p);
    }
    if (!error.empty()) return error;
    if (rowsDown >= 0) ++settles;
    const int gained = std::max(rowsDown - 1, 0);
    if (s.score != b.state.score + gained) return "the drop added " + std::to_string(s.score - b.state.score) + ", not " + std::to_string(gained);
    if (s.highest != std::max(b.state.highest, s.score)) return "highest does not follow the score";
    if (s.lastFallTime != b.state.lastFallTime) return "the drop moved the gravity clock";
    return property::textsDisagree(s);
}

// One seeded run from a random board, until its game ends or its steps run out.
class RandomRun {
public:
    explicit RandomRun(unsigned seed) : rng_(seed) {
        game_ = std::make_unique<fixture::Game>(1 + rng_() % 7, fixture::Rows{}, seed);
        randomStart();
    }

    int length() { return 20 + static_cast<int>(rng_() % 200); }
    bool over() const { return game_->state.gameOver == 1; }
    int settles() const { return settles_; }
    int rowsRemoved() const { return game_->state.lines - startLines_; }

    // One random step and its checks; what went wrong, or an empty text.
    std::string step() {
        GameState& s = game_->state;
        Piece& p = game_->piece;
        last_ = std::make_unique<Before>(Before{s, p});
        std::string error = act(s, p);
        if (error.empty()) {
            error = property::brokenInvariant(s, p, startCells_ + 4 * settles_ - 10 * rowsRemoved());
        }
        return error;
    }

    std::string report() const {
        return "steps:" + log_ + "\nbefore the last step: " + describe(last_->piece) + "\n" +
               describe(last_->state) + "after it: " + describe(game_->piece) + "\n" + describe(game_->state);
    }

private:
    void randomStart() {
        GameState& s = game_->state;
        const int height = static_cast<int>(rng_() % 16);
        const unsigned density = 40 + rng_() % 56;  // percent of cells filled below that height
        for (int r = 0; r < height; ++r) {
            for (int c = 0; c < kFieldColumns; ++c) {
                if (rng_() % 100 < density) s.playfield[r][c] = 1 + static_cast<int>(rng_() % 7);
            }
        }
        // Loose cells: overhangs, now and then a cell under the spawn, and hidden cells clear of
        // the spawn's lock cells (columns 2..7 of rows 20 and up).
        const unsigned loose = rng_() % 3 == 0 ? rng_() % 10 : 0;
        for (unsigned i = 0; i < loose; ++i) {
            const int row = static_cast<int>(rng_() % kFieldRows);
            const int column = static_cast<int>(rng_() % kFieldColumns);
            if (row < kVisibleRows || column < 2 || column > 7) s.playfield[row][column] = 1 + static_cast<int>(rng_() % 7);
        }
        if (rng_() % 2 == 0) {
            s.lines = static_cast<int>(rng_() % 130);
            s.level = s.lines / 10;
            s.fallInterval = std::max(100, 1000 - 100 * s.level);
        }
        s.highest = static_cast<int>(rng_() % 3000);
        s.score = static_cast<int>(rng_() % (s.highest + 1));
        refreshStatusTexts(s);
        fixture::clockMs = static_cast<int>(rng_() % 3000);
        s.lastFallTime = static_cast<int>(rng_() % (fixture::clockMs + 1));
        if (rng_() % 2 == 0) placeAnywhere();
        startCells_ = fixture::settledCount(s.playfield);
        startLines_ = s.lines;
    }

    // Puts the piece at a random pose inside the field and shown on free cells, as if it had
    // fallen there; its lock cells may lie under an overhang. Full rows below it, which the
    // first pass removes, can then move settled cells into its shown cells.
    void placeAnywhere() {
        for (int attempt = 0; attempt < 20; ++attempt) {
            const int type = 1 + static_cast<int>(rng_() % 7);
            const int angle = 90 * static_cast<int>(rng_() % 4);
            const int column = static_cast<int>(rng_() % kFieldColumns);
            const int row = 1 + static_cast<int>(rng_() % 20);
            game_->place(type, angle, column, row);
            const fixture::CellList lock = property::lockCells(game_->piece);
            bool fits = property::inside(lock);
            for (const auto& cell : lock) fits = fits && cell.first >= 1;
            if (fits && !property::blocked(game_->state.playfield, lock)) return;
        }
        game_->place(game_->piece.type, 0, 4, 20);
    }

    std::string act(GameState& s, Piece& p) {
        const Before& b = *last_;
        const unsigned roll = rng_() % 100;
        if (roll < 42 && s.halted == 1) {  // the arrow keys are not taken while halted
            note("arrow key ignored");
            return "";
        }
        if (roll < 14) {
            note("left");
            p.moveLeft(20);
            return property::wrongShift(b, s, p, -1);
        }
        if (roll < 28) {
            note("right");
            p.moveRight(20);
            return property::wrongShift(b, s, p, +1);
        }
        if (roll < 42) {
            note("up");
            p.rotate(90);
            return property::wrongTurn(b, s, p);
        }
        if (roll < 50) {
            note("down");
            p.drop();
            return wrongDrop(b, s, p, settles_);
        }
        if (roll < 65) return advanceClock(s);
        if (roll < 93) return frame(s, p);
        return pauseOrResume(s, roll < 96);
    }

    // Resuming a game that is over would restart it and save the best score: not done here.
    std::string pauseOrResume(GameState& s, bool pause) {
        if (pause) {
            note("p");
            pauseGame(s);
            return s.halted == 1 ? "" : "p did not halt";
        }
        if (s.gameOver == 1) return "";
        note("r");
        resumeGame(s);
        return s.halted == 0 ? "" : "r did not resume";
    }

    std::string advanceClock(const GameState& s) {
        const int choices[] = {1, s.fallInterval, s.fallInterval + 1, static_cast<int>(rng_() % 2500)};
        const int ms = choices[rng_() % 4];
        fixture::clockMs += ms;
        note("clock +" + std::to_string(ms));
        return "";
    }

    std::string frame(GameState& s, Piece& p) {
        note("frame at " + std::to_string(fixture::clockMs));
        clearFullRows(s);
        std::string error = wrongPass(*last_, s);
        if (!error.empty()) return error;
        error = property::brokenInvariant(s, p, startCells_ + 4 * settles_ - 10 * rowsRemoved());
        if (!error.empty()) return "after the pass: " + error;
        last_ = std::make_unique<Before>(Before{s, p});
        p.update();
        return wrongUpdate(*last_, s, p, settles_);
    }

    void note(const std::string& op) { log_ += " " + op + ";"; }

    std::mt19937 rng_;
    std::unique_ptr<fixture::Game> game_;
    std::unique_ptr<Before> last_;
    std::string log_;
    int startCells_ = 0;
    int startLines_ = 0;
    int settles_ = 0;
};

TEST(Property, RandomGamesKeepEveryRule) {
    const long budget = envNumber("TUMBRIX_PROPERTY_OPS", 20000);
    const unsigned firstSeed = static_cast<unsigned>(envNumber("TUMBRIX_PROPERTY_SEED", 20260101));
    long steps = 0;
    long runs = 0, settles = 0, rows = 0, gamesOver = 0;
    while (steps < budget) {
        const unsigned seed = firstSeed + static_cast<unsigned>(runs++);
        RandomRun run(seed);
        const int length = run.length();
        for (int i = 0; i < length && steps < budget && !run.over(); ++i, ++steps) {
            const std::string error = run.step();
            if (!error.empty()) {
                FAIL() << "seed " << seed << ", step " << i << ": " << error << "\nreplay with TUMBRIX_PROPERTY_SEED="
                       << seed << " TUMBRIX_PROPERTY_OPS=" << i + 1 << "\n" << run.report();
            }
        }
        settles += run.settles();
        rows += run.rowsRemoved();
        gamesOver += run.over();
    }
    std::cout << steps << " steps in " << runs << " runs: " << settles << " pieces settled, " << rows
              << " rows removed, " << gamesOver << " games over\n";
}

}  // namespace
