#pragma once
// Positions written as text for tests: one string per row, one character per
// cell: '.' empty, '1'..'8' colours, 'T' / 't' transformer plus / minus,
// 'R' rock, 'W' well.

#include "engine/MoveRecord.h"

#include <string>
#include <vector>

namespace tumbla::test {

inline StoneCode CodeOf(char ch) {
    switch (ch) {
    case '.':
        return StoneEmpty;
    case 'T':
        return TransformerPlus;
    case 't':
        return TransformerMinus;
    case 'R':
        return StoneRock;
    case 'W':
        return StoneWell;
    default:
        return static_cast<StoneCode>(ch - '0');
    }
}

inline char CharOf(StoneCode code) {
    switch (code) {
    case StoneEmpty:
        return '.';
    case TransformerPlus:
        return 'T';
    case TransformerMinus:
        return 't';
    case StoneRock:
        return 'R';
    case StoneWell:
        return 'W';
    default:
        return code <= 9 ? static_cast<char>('0' + code) : '?';
    }
}

inline MoveRecord FromRows(const std::vector<std::string>& rows) {
    MoveRecord rec;
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            rec.board.at(static_cast<int>(r) + 1, static_cast<int>(c) + 1) = CodeOf(rows[r][c]);
    return rec;
}

inline std::vector<std::string> ToRows(const MoveRecord& rec, int rows, int cols) {
    std::vector<std::string> out;
    for (int r = 1; r <= rows; ++r) {
        std::string line;
        for (int c = 1; c <= cols; ++c) line += CharOf(rec.board.at(r, c));
        out.push_back(line);
    }
    return out;
}

// A column of the given codes from the bottom row upward, in column 1 of a
// field `rows` high; the rest of the column is empty.
inline MoveRecord ColumnFromBottom(const std::string& bottomUp, int rows) {
    MoveRecord rec;
    for (std::size_t i = 0; i < bottomUp.size(); ++i)
        rec.board.at(rows - static_cast<int>(i), 1) = CodeOf(bottomUp[i]);
    return rec;
}

inline std::string ColumnBottomUp(const MoveRecord& rec, int rows, int col = 1) {
    std::string out;
    for (int r = rows; r >= 1; --r) out += CharOf(rec.board.at(r, col));
    return out;
}

// Puts `code()` in every cell outside a field `rows` x `cols`, as a damaged
// file might: what lies there must never matter.
template <typename Code> void FillBeyondField(MoveRecord& rec, int rows, int cols, Code code) {
    for (int r = 1; r <= MaxRows; ++r)
        for (int c = 1; c <= MaxCols; ++c)
            if (r > rows || c > cols) rec.board.at(r, c) = code();
}

} // namespace tumbla::test
