#pragma once
// The rules written out plainly, one small step at a time, to check the
// engine against: groups by a flood fill, the fall in repeated passes of
// single steps, closing up as a copy of whole lines, the transformer's eight
// neighbours and the scoring formulas. Slow and simple on purpose; it shares
// nothing with the engine but the board's layout and the score table, whose
// entries the scoring tests pin by their worked values.

#include "engine/MoveRecord.h"
#include "engine/Rules.h"
#include "engine/Scoring.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace tumbla::test {

struct PlainRules {
    Rules rules;

    bool InForce(int r, int c) const {
        return r >= 1 && r <= rules.rows && c >= 1 && c <= rules.cols;
    }
    static bool IsColour(StoneCode s) { return s >= 1 && s <= 8; }

    // The cells of the group a click on (r, c) removes: the clicked code and
    // jokers, reached over edges. One cell when nothing matches beside it.
    std::vector<std::pair<int, int>> Group(const MoveRecord& rec, int r0, int c0) const {
        const StoneCode k = rec.board.at(r0, c0);
        auto matches = [&](StoneCode s) {
            return s == k || (rules.joker != 0 && s == rules.joker);
        };
        std::vector<std::pair<int, int>> cells{{r0, c0}};
        std::array<bool, CellCount> seen{};
        seen[static_cast<std::size_t>(Board::Index(r0, c0))] = true;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const auto [r, c] = cells[i];
            for (const auto& [nr, nc] : {std::pair{r + 1, c}, std::pair{r - 1, c},
                                         std::pair{r, c + 1}, std::pair{r, c - 1}}) {
                if (!InForce(nr, nc) || seen[static_cast<std::size_t>(Board::Index(nr, nc))] ||
                    !matches(rec.board.at(nr, nc)))
                    continue;
                seen[static_cast<std::size_t>(Board::Index(nr, nc))] = true;
                cells.push_back({nr, nc});
            }
        }
        return cells;
    }

    // Whether a click on some colour stone would remove two or more.
    bool AnyGroup(const MoveRecord& rec) const {
        for (int r = 1; r <= rules.rows; ++r)
            for (int c = 1; c <= rules.cols; ++c)
                if (IsColour(rec.board.at(r, c)) && Group(rec, r, c).size() >= 2) return true;
        return false;
    }

    // The cells of line i (a column for down and up, a row for left and
    // right), the most downstream first.
    std::vector<StoneCode*> Line(MoveRecord& rec, int d, int i) const {
        std::vector<StoneCode*> out;
        const int n = d <= 1 ? rules.rows : rules.cols;
        for (int k = 0; k < n; ++k) {
            switch (d) {
            case 0:
                out.push_back(&rec.board.at(rules.rows - k, i));
                break;
            case 1:
                out.push_back(&rec.board.at(1 + k, i));
                break;
            case 2:
                out.push_back(&rec.board.at(i, 1 + k));
                break;
            default:
                out.push_back(&rec.board.at(i, rules.cols - k));
                break;
            }
        }
        return out;
    }

    struct Fall {
        int broken = 0;
        bool changed = false;
    };

    // Wells, glass and the fall in direction d, word for word.
    Fall Gravity(MoveRecord& rec, int d) const {
        Fall out;
        const int lines = d <= 1 ? rules.cols : rules.rows;
        for (int i = 1; i <= lines; ++i) {
            std::vector<StoneCode*> l = Line(rec, d, i);
            const int n = static_cast<int>(l.size());
            if (rules.wells)
                for (int k = 0; k < n; ++k)
                    if (*l[k] == StoneWell)
                        for (int j = k + 1; j < n && *l[j] < 200; ++j)
                            *l[j] = 0, out.changed = true;
            std::vector<int> bl{-1};
            if (rules.barriers)
                for (int k = 0; k < n; ++k)
                    if (*l[k] >= 200) bl.push_back(k);
            bl.push_back(n);
            auto glass = [&](StoneCode c) { return rules.glass != 0 && c == rules.glass; };
            if (rules.glass) {
                std::vector<StoneCode*> f;
                int last = -1; // the marker counts as not empty
                for (std::size_t s = 0; s + 1 < bl.size(); ++s) {
                    if (bl[s + 1] - bl[s] < 3) continue;
                    for (int k = bl[s] + 1; k < bl[s + 1]; ++k)
                        if (*l[k] != 0 || last != 0) f.push_back(l[k]), last = *l[k];
                    for (std::size_t x = 0; x + 1 < f.size(); ++x) {
                        if (*f[x] != 0) continue;
                        if (x > 0 && glass(*f[x - 1]) && *f[x + 1] != 0)
                            for (int j = static_cast<int>(x) - 1; j >= 0 && glass(*f[j]); --j)
                                *f[j] = 0, ++out.broken, out.changed = true;
                        if (glass(*f[x + 1]))
                            for (std::size_t j = x + 1; j < f.size() && glass(*f[j]); ++j)
                                *f[j] = 0, ++out.broken, out.changed = true;
                    }
                }
            }
            for (bool moved = true; moved;) {
                moved = false;
                for (std::size_t s = 0; s + 1 < bl.size(); ++s) {
                    if (bl[s + 1] - bl[s] < 3) continue;
                    for (int k = bl[s] + 2; k < bl[s + 1]; ++k)
                        if (*l[k] != 0 && *l[k] != StoneWell && *l[k - 1] == 0)
                            *l[k - 1] = *l[k], *l[k] = 0, moved = out.changed = true;
                }
            }
        }
        return out;
    }

    // The lines holding anything, in order, packed from the first such line
    // toward the join side or back from the last toward the other.
    bool CloseUp(MoveRecord& rec) const {
        if (rules.closeUp == 0 || rec.Gravity > GravityRight) return false;
        const bool columns = rec.Gravity <= GravityUp;
        const int count = columns ? rules.cols : rules.rows;
        const int length = columns ? rules.rows : rules.cols;
        auto cell = [columns](MoveRecord& m, int line, int k) -> StoneCode& {
            return columns ? m.board.at(k, line) : m.board.at(line, k);
        };
        std::vector<std::vector<StoneCode>> kept;
        int first = 0;
        int last = 0;
        for (int i = 1; i <= count; ++i) {
            std::vector<StoneCode> line;
            for (int k = 1; k <= length; ++k) line.push_back(cell(rec, i, k));
            if (std::all_of(line.begin(), line.end(), [](StoneCode c) { return c == 0; })) continue;
            kept.push_back(line);
            if (first == 0) first = i;
            last = i;
        }
        if (first == 0) return false;
        const bool towardLow =
            rules.closeUp == 1
                ? rec.Gravity == GravityDown || rec.Gravity == GravityLeft
                : rules.closeUp == 2 && (rec.Gravity == GravityUp || rec.Gravity == GravityRight);
        const MoveRecord before = rec;
        const int from = towardLow ? first : last - static_cast<int>(kept.size()) + 1;
        for (int i = first; i <= last; ++i)
            for (int k = 1; k <= length; ++k) cell(rec, i, k) = 0;
        for (std::size_t j = 0; j < kept.size(); ++j)
            for (int k = 1; k <= length; ++k)
                cell(rec, from + static_cast<int>(j), k) = kept[j][static_cast<std::size_t>(k - 1)];
        return rec != before;
    }

    // The transformer at (r, c) turns each colour stone of 1..Count around it
    // one colour up (code 100) or down (101), wrapping round.
    void Transform(MoveRecord& rec, int r, int c) const {
        const bool up = rec.board.at(r, c) == TransformerPlus;
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc) {
                if ((dr == 0 && dc == 0) || !InForce(r + dr, c + dc)) continue;
                StoneCode& s = rec.board.at(r + dr, c + dc);
                if (s < 1 || s > rules.count) continue;
                if (up)
                    s = s == rules.count ? 1 : static_cast<StoneCode>(s + 1);
                else
                    s = s == 1 ? static_cast<StoneCode>(rules.count)
                               : static_cast<StoneCode>(s - 1);
            }
    }

    // Points of a move that removed `a` stones clicked as `colour` and broke `b`.
    std::int32_t Points(int colour, std::int32_t a, std::int32_t b) const {
        static constexpr std::int32_t price[9] = {0, 1, 5, 3, 1, 2, 4, 2, 5};
        const std::int32_t stone = a == 0 ? 0 : price[colour];
        const std::int32_t glass = price[rules.glass];
        const std::int32_t d = a - b;
        switch (rules.rating) {
        case 0:
            return d;
        case 1:
            return ScoreOf(d);
        case 2:
            return a == b ? 0 : d * (d / 3 + 1);
        case 5:
            return stone * a - glass * b;
        case 6:
            return ScoreOf(a) * stone - ScoreOf(b) * glass;
        case 7:
            return (b != 0 ? -(b * glass * (b / 3 + 1)) : 0) + stone * a * (a / 3 + 1);
        default:
            return 0;
        }
    }

    // A whole move, valid on `rec`: the removal, gravity change or
    // transformer, the fall, closing up and the score. Returns whether
    // nothing was removed, which locks gravity changes and the transformer.
    bool Play(MoveRecord& rec, Move move) const {
        rec.Removed = 0;
        rec.GlassBroken = 0;
        int colour = 0;
        Fall fall;
        if (move.isGravityChange()) {
            fall = Gravity(rec, move.col);
            rec.Gravity = move.col;
        } else if (rec.board.at(move.row, move.col) == TransformerPlus ||
                   rec.board.at(move.row, move.col) == TransformerMinus) {
            Transform(rec, move.row, move.col);
        } else {
            colour = rec.board.at(move.row, move.col);
            const auto group = Group(rec, move.row, move.col);
            for (const auto& [r, c] : group) rec.board.at(r, c) = StoneEmpty;
            rec.Removed = static_cast<std::uint16_t>(group.size());
            fall = Gravity(rec, rec.Gravity);
        }
        rec.GlassBroken = static_cast<std::uint16_t>(fall.broken);
        CloseUp(rec);
        rec.Points = Points(colour, rec.Removed, rec.GlassBroken);
        rec.TotalScore += rec.Points;
        rec.MoveRow = move.row;
        rec.MoveCol = move.col;
        return rec.Removed == 0;
    }
};

} // namespace tumbla::test
