// Rules fixtures: boards written as text, an exact test clock, and a fresh game with a chosen piece.
#pragma once

#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "game/piece.h"
#include "game/rows.h"
#include "game/state.h"

namespace fixture {

using Rows = std::vector<std::string>;
using CellList = std::vector<std::pair<int, int>>;  // (row, column) pairs, readable on failure

// Rows of text, highest first: '.' is empty, '1'..'7' a settled block of that type. Fewer than
// 23 rows fill the bottom of the field: 20 rows reach the top visible row 19, 23 reach row 22.
inline Playfield board(const Rows& rows) {
    if (rows.size() > static_cast<size_t>(kFieldRows)) throw std::invalid_argument("board: over 23 rows");
    Playfield field{};
    const int top = static_cast<int>(rows.size()) - 1;
    for (int i = 0; i <= top; ++i) {
        const std::string& text = rows[i];
        if (text.size() != static_cast<size_t>(kFieldColumns)) {
            throw std::invalid_argument("board: row \"" + text + "\" is not 10 cells wide");
        }
        for (int c = 0; c < kFieldColumns; ++c) {
            if (text[c] == '.') continue;
            if (text[c] < '1' || text[c] > '7') throw std::invalid_argument("board: bad cell in \"" + text + "\"");
            field[top - i][c] = text[c] - '0';
        }
    }
    return field;
}

inline bool rowIsEmpty(const PlayfieldRow& row) {
    for (int cell : row) {
        if (cell != 0) return false;
    }
    return true;
}

// The board as numbered text, row 19 at the top. The hidden rows 20..22 are shown above a rule
// only when they hold something; a code outside 0..7 shows as '?'.
inline std::string text(const Playfield& field) {
    int top = kVisibleRows - 1;
    for (int r = kVisibleRows; r < kFieldRows; ++r) {
        if (!rowIsEmpty(field[r])) top = kFieldRows - 1;
    }
    std::string out = "\n";
    for (int r = top; r >= 0; --r) {
        if (r == kVisibleRows - 1 && top > r) out += "   ----------\n";
        out += (r < 10 ? " " : "") + std::to_string(r) + " ";
        for (int cell : field[r]) {
            out += cell == 0 ? '.' : (cell >= 1 && cell <= 7 ? static_cast<char>('0' + cell) : '?');
        }
        out += '\n';
    }
    return out;
}

inline int settledCount(const Playfield& field) {
    int count = 0;
    for (const PlayfieldRow& row : field) {
        for (int cell : row) count += cell != 0;
    }
    return count;
}

// The exact clock that the game state reads in tests, in milliseconds.
inline int clockMs = 0;
inline int testClock() { return clockMs; }

// Lock cells of blocks 1..4 with row and column taken from y and x, the piece lowered by
// rowsDown rows. Works on a copy, so a stale `column` after a shift does not matter.
inline CellList lockCells(const Piece& p, int rowsDown = 0) {
    Piece at = p;
    at.row = at.y / kCellSize + 20 - rowsDown;
    at.column = at.x / kCellSize + 4;
    CellList cells;
    for (int k = 1; k <= 4; ++k) {
        const Cell c = at.blockCell(k);
        cells.emplace_back(c.row, c.column);
    }
    return cells;
}

inline std::string describe(const Piece& p) {
    std::ostringstream out;
    out << "type " << p.type << " angle " << p.angle << " x " << p.x << " y " << p.y << " row "
        << p.row << " column " << p.column << " landed " << p.landed;
    return out.str();
}

// Every counter, flag and text of the state, and its board, for whole-state comparisons.
inline std::string describe(const GameState& s) {
    std::ostringstream out;
    out << "fallInterval " << s.fallInterval << " lastFallTime " << s.lastFallTime << " now " << s.now
        << " lines " << s.lines << " level " << s.level << " score " << s.score << " highest "
        << s.highest << " halted " << s.halted << " gameOver " << s.gameOver << "\n["
        << s.highestText << "] [" << s.scoreText << "] [" << s.levelText << "] [" << s.linesText
        << "] [" << s.messageText << "]" << text(s.playfield);
    return out.str();
}

// A fresh game on the given board with a piece of the chosen type at the spawn pose and the
// clock at 0. The random source is reseeded, so the pieces that follow are the same every run.
struct Game {
    explicit Game(int type, const Rows& rows = {}, unsigned seed = 1) : piece(state) {
        std::srand(seed);
        state.playfield = board(rows);
        state.elapsedTime = testClock;
        clockMs = 0;
        place(type, 0, 4, 20);
    }
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Puts the piece with its pivot's lock cell at (row, column).
    void place(int type, int angle, int column, int row) {
        piece.type = type;
        piece.angle = angle;
        piece.x = (column - 4) * kCellSize;
        piece.y = (row - 20) * kCellSize;
        piece.row = row;
        piece.column = column;
        piece.landed = 0;
    }

    // One frame of the rules as the game runs it: the playfield pass first, then the update.
    void frameAt(int ms) {
        clockMs = ms;
        clearFullRows(state);
        piece.update();
    }

    bool atSpawnPose() const {
        return piece.angle == 0 && piece.x == 0 && piece.y == 0 && piece.row == 20 && piece.column == 4;
    }

    GameState state;  // declared first: the piece holds a reference to it
    Piece piece;
};

}  // namespace fixture
