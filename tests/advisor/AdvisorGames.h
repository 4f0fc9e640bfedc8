#pragma once
// Games for the advisor's tests: the preset levels and fields with every
// special stone and rating, started and played as a player would.

#include "record/Game.h"
#include "record/SavedGame.h"
#include "situation/SettingsCode.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tumbla::test {

struct AdvisorGame {
    SilentGameView view;
    SilentMessages messages;
    Game game{view, messages};

    void start(const GameSettings& settings, std::int32_t number) {
        game.PutSettingsInForce(settings);
        game.SetSituationNumber(number);
        game.NewSituation();
    }
    void play(const std::vector<int>& line) {
        for (int code : line) ASSERT_NE(game.Click(Move::FromCode(code)), MoveOutcome::Refused);
    }
    SavedGame saved() const { return SavedGameOf(game); }
};

inline GameSettings FromCode(const std::string& code) {
    const DecodedSettings decoded = SettingsFromCode(code, GameSettings{});
    EXPECT_EQ(decoded.result, 0) << code;
    return decoded.settings;
}

// A small field with the given specials and rating, so that searches are quick.
inline GameSettings Special(int rating, bool joker, int glass, int rocks, int wells,
                            bool transformer, int directions) {
    GameSettings s;
    s.Rows = 6;
    s.Cols = 10;
    s.Count = 5;
    s.Joly = joker ? 1 : 0;
    s.Sklo = static_cast<std::uint8_t>(glass);
    s.Skala = static_cast<std::uint8_t>(rocks);
    s.Studna = static_cast<std::uint8_t>(wells);
    s.Transformator = transformer ? 1 : 0;
    s.Directions = static_cast<std::uint8_t>(directions);
    s.Doraz = rocks + wells > 0 ? 0 : 1;
    s.Rating = static_cast<std::uint8_t>(rating);
    return s;
}

// Every rating and special stone at least once.
inline std::vector<GameSettings> AllRuleSets() {
    return {FromCode("GL500BA0B"),
            FromCode("HO611BA0B"),
            FromCode("OY817GA2B"),
            Special(0, false, 0, 0, 0, false, 15),
            Special(2, true, 2, 0, 0, true, 3),
            Special(5, false, 3, 4, 0, false, 12),
            Special(6, true, 1, 0, 3, true, 15),
            Special(7, false, 2, 3, 2, true, 15)};
}

} // namespace tumbla::test
