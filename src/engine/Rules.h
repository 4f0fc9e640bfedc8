#pragma once
// What the rules need to know of the settings, read once and made safe: a
// record from a damaged file may hold any byte, and nothing here may then
// index outside the field, the price table or the colour counters.

#include "engine/GameSettings.h"

#include <array>
#include <bitset>
#include <cstdint>

namespace tumbla {

struct Rules {
    int rows = 10;               // 5..15
    int cols = 20;               // 10..25
    int count = 8;               // colours in play, 4..8
    std::uint8_t joker = 0;      // the colour that joins any group, 0 for none
    std::uint8_t glass = 0;      // the colour that breaks when it falls, 0 for none
    std::uint8_t closeUp = 1;    // 0 keeps empty lines; 1 and 2 close them up, to the left or right
    std::uint8_t directions = 0; // DirectionBit set of the gravity changes allowed
    std::uint8_t rating = 1;     // scoring mode; unknown modes score 0
    bool sound = false;          // broken glass asks for its sound
    bool barriers = false;       // rocks or wells split lines into segments
    bool wells = false;
    bool transformer = false;
};

Rules RulesFromSettings(const GameSettings& s);

// Engine state of the running game, never saved. Every copy of the game (the
// end test, the hint, the search, the demo) carries its own.
struct EngineState {
    std::uint8_t ClickedColour = 0;
    std::array<std::uint16_t, 9> ColourCounters{};
    bool MoveLock = false;
};

// Candidate moves in the order found, as row x 100 + column (0..3 for a
// gravity change). A group has a start cell of its own, so 375 groups plus
// four directions and one transformer is the most a position can give.
struct CandidateList {
    static constexpr int Capacity = 1000;
    std::array<std::uint16_t, Capacity> items{};
    int count = 0;

    void clear() { count = 0; }
    void push(int value) {
        if (count < Capacity) items[count++] = static_cast<std::uint16_t>(value);
    }
};

// Bit n: the group in place n of a candidate list holds jokers, so a click on
// it takes them along.
using JokerTakers = std::bitset<CandidateList::Capacity>;

} // namespace tumbla
