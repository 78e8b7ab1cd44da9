// The rules that one random step must keep, checked against a copy of the game taken before it.
// Each check returns what went wrong, or an empty text.
#pragma once

#include <algorithm>
#include <string>

#include "board.h"

namespace property {

using fixture::CellList;
using fixture::lockCells;

struct Before {
    GameState state;
    Piece piece;  // a copy: only its pose and type are read
};

inline std::string at(int row, int column) {
    return "(" + std::to_string(row) + ", " + std::to_string(column) + ")";
}

inline bool inside(const CellList& cells) {
    return std::all_of(cells.begin(), cells.end(), [](const auto& cell) {
        return cell.first >= 0 && cell.first < kFieldRows && cell.second >= 0 && cell.second < kFieldColumns;
    });
}

inline bool allEmpty(const Playfield& field, const CellList& cells) {
    return inside(cells) && std::all_of(cells.begin(), cells.end(), [&](const auto& cell) {
        return field[cell.first][cell.second] == 0;
    });
}

// A piece is blocked when a shown block would lie below row 0 or on a settled cell.
inline bool blocked(const Playfield& field, const CellList& lock) {
    return std::any_of(lock.begin(), lock.end(), [&](const auto& cell) {
        return cell.first < 1 || field[cell.first - 1][cell.second] != 0;
    });
}

inline CellList shown(CellList lock) {
    for (auto& cell : lock) cell.first -= 1;
    return lock;
}

inline CellList sorted(CellList cells) {
    std::sort(cells.begin(), cells.end());
    return cells;
}

inline CellList changedCells(const Playfield& a, const Playfield& b) {
    CellList cells;
    for (int r = 0; r < kFieldRows; ++r) {
        for (int c = 0; c < kFieldColumns; ++c) {
            if (a[r][c] != b[r][c]) cells.emplace_back(r, c);
        }
    }
    return cells;
}

inline std::string textsDisagree(const GameState& s) {
    const std::string expected = "Highest: " + std::to_string(s.highest) + "|Score: " +
                                 std::to_string(s.score) + "|Level: " + std::to_string(s.level) +
                                 "|Lines: " + std::to_string(s.lines);
    const std::string shownTexts = std::string(s.highestText) + "|" + s.scoreText + "|" + s.levelText +
                                   "|" + s.linesText;
    return shownTexts == expected ? "" : "status texts [" + shownTexts + "] for [" + expected + "]";
}

// What holds between any two steps. `cellsExpected` is the count the settles and removals leave.
inline std::string brokenInvariant(const GameState& s, const Piece& p, int cellsExpected) {
    for (int r = 0; r < kFieldRows; ++r) {
        for (int c = 0; c < kFieldColumns; ++c) {
            if (s.playfield[r][c] < 0 || s.playfield[r][c] > 7) return "bad cell code at " + at(r, c);
        }
    }
    const int cells = fixture::settledCount(s.playfield);
    if (cells != cellsExpected) {
        return std::to_string(cells) + " settled cells, expected " + std::to_string(cellsExpected);
    }
    if (p.type < 1 || p.type > 7) return "piece type " + std::to_string(p.type);
    if (p.angle % 90 != 0 || p.angle < 0 || p.angle > 270) return "piece angle " + std::to_string(p.angle);
    if (p.x % kCellSize != 0 || p.y % kCellSize != 0 || p.y > 0) return "piece offset off the grid";
    const CellList lock = lockCells(p);
    if (!inside(lock)) return "a block outside the field";
    for (const auto& cell : lock) {
        if (cell.first < 1) return "a block in lock row 0 between steps";
    }
    if (s.fallInterval < 100 || s.fallInterval > 1000 || s.fallInterval % 100 != 0 ||
        s.fallInterval != std::max(100, 1000 - 100 * s.level)) {
        return "fallInterval " + std::to_string(s.fallInterval) + " at level " + std::to_string(s.level);
    }
    if (s.level != s.lines / 10) return "level " + std::to_string(s.level) + " for lines " + std::to_string(s.lines);
    if (s.gameOver == 1 && s.halted != 1) return "over but not halted";
    if (s.score < 0 || s.highest < s.score) return "score " + std::to_string(s.score) + " highest " + std::to_string(s.highest);
    return "";
}

// A shift fits when every moved block stays inside and is shown on a free cell.
inline std::string wrongShift(const Before& b, const GameState& s, const Piece& p, int direction) {
    CellList moved = lockCells(b.piece);
    for (auto& cell : moved) cell.second += direction;
    const bool fits = inside(moved) && allEmpty(b.state.playfield, shown(moved));
    if (p.x != b.piece.x + (fits ? direction * kCellSize : 0)) return fits ? "a fitting shift refused" : "a shift that does not fit made";
    if (p.y != b.piece.y || p.angle != b.piece.angle || p.column != b.piece.x / kCellSize + 4) return "a shift changed more than x";
    if (s.playfield != b.state.playfield) return "a shift changed the board";
    return "";
}

// A turn fits when the piece is not the O and every turned block is inside, above lock row 0
// and shown on a free cell.
inline std::string wrongTurn(const Before& b, const GameState& s, const Piece& p) {
    Piece turned = b.piece;
    turned.angle = (turned.angle + 90) % 360;
    const CellList lock = lockCells(turned);
    const bool fits = b.piece.type != 7 && inside(lock) && !blocked(b.state.playfield, lock);
    if (p.angle != (fits ? turned.angle : b.piece.angle)) return fits ? "a fitting turn refused" : "a turn that does not fit made";
    if (p.x != b.piece.x || p.y != b.piece.y) return "a turn moved the piece";
    if (s.playfield != b.state.playfield) return "a turn changed the board";
    return "";
}

// The end of a fall by gravity or a hard drop. Settling writes the piece's type into four empty
// cells straight below its pose, every pose on the way had free lock cells, the pose it settled
// in was blocked, and the next piece waits at the spawn pose. `rowsDown` tells how far it fell.
inline std::string wrongSettle(const Before& b, const GameState& s, const Piece& p, int mostRows, int& rowsDown) {
    const Playfield& field = b.state.playfield;
    const CellList changed = changedCells(field, s.playfield);
    for (const auto& [r, c] : changed) {
        if (field[r][c] != 0) return "a settled cell was written over at " + at(r, c);
        if (s.playfield[r][c] != b.piece.type) return "a cell written with another type at " + at(r, c);
    }
    rowsDown = -1;
    for (int j = 0; j <= mostRows && rowsDown < 0 && !changed.empty(); ++j) {
        if (sorted(lockCells(b.piece, j)) == changed) rowsDown = j;
    }
    if (changed.empty()) return "";
    if (rowsDown < 0) return "the written cells are not the piece straight below its pose";
    // The lock cells of the pose it starts from may lie under an overhang; those it falls into may not.
    for (int j = 1; j <= rowsDown; ++j) {
        if (!allEmpty(field, lockCells(b.piece, j))) return "the piece fell through settled cells";
    }
    if (!blocked(field, lockCells(b.piece, rowsDown))) return "settled in a pose that was not blocked";
    if (p.angle != 0 || p.x != 0 || p.y != 0 || p.row != 20 || p.column != 4) return "no spawn after a settle";
    if (s.gameOver != (allEmpty(s.playfield, lockCells(p)) ? 0 : 1)) return "game over does not follow the spawn's lock cells";
    return "";
}

// A step that ends the game without writing: the piece's own lock cells were taken.
inline std::string wrongEndWithoutWriting(const Before& b, const GameState& s, const Piece& p) {
    if (s.gameOver != 1) return "";
    if (allEmpty(b.state.playfield, lockCells(b.piece))) return "game over with free lock cells and nothing written";
    if (p.x != b.piece.x || p.y != b.piece.y || p.angle != b.piece.angle || p.type != b.piece.type) return "the piece moved at a game over";
    return "";
}

}  // namespace property
