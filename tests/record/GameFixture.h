#pragma once
// A game on a generated situation, with helpers to find moves on it.

#include "RecordingView.h"

#include "engine/Groups.h"
#include "engine/PlayMove.h"
#include "record/Game.h"
#include "situation/SettingsCode.h"

#include <gtest/gtest.h>

namespace tumbla::test {

inline GameSettings SettingsOf(std::string_view code, std::int32_t number) {
    DecodedSettings decoded = SettingsFromCode(code, GameSettings{});
    EXPECT_EQ(decoded.result, 0) << code;
    decoded.settings.BeginNumber = number;
    return decoded.settings;
}

struct GameFixture {
    RecordingView view;
    RecordingMessages messages;
    Game game{view, messages};

    void start(std::string_view code, std::int32_t number) {
        game.PutSettingsInForce(SettingsOf(code, number));
        game.NewSituation();
    }

    // The groups of the current position, as moves.
    std::vector<Move> groups() const {
        CandidateList list;
        ListGroups(game.Current(), game.CurrentRules(), list);
        std::vector<Move> out;
        for (int i = 0; i < list.count; ++i)
            out.push_back(Move::FromCode(list.items[static_cast<std::size_t>(i)]));
        return out;
    }

    // Whether the screen shows what the game says is current.
    bool screenMatches() const {
        const Rules& rules = game.CurrentRules();
        for (int r = 1; r <= rules.rows; ++r)
            for (int c = 1; c <= rules.cols; ++c)
                if (view.shown.at(r, c) != game.Current().board.at(r, c)) return false;
        return view.gravity == game.Current().Gravity &&
               view.total == std::to_string(game.Current().TotalScore) &&
               view.moveCounter == game.CurrentPosition() - 1;
    }

    MoveOutcome play(Move m) { return game.MakeMove(m.row, m.col); }
};

} // namespace tumbla::test
