#include "situation/SettingsCheck.h"

#include "situation/SettingsCode.h"

#include <gtest/gtest.h>

namespace tumbla {
namespace {

TEST(CheckSettings, RefusesWhatNoGameAllowsWithTheFieldAtFault) {
    const std::vector<std::pair<int, void (*)(GameSettings&)>> cases{
        {0, [](GameSettings&) {}},
        {0, [](GameSettings& s) { s.Rating = 7, s.Skala = 20, s.Directions = 15; }},
        {0, [](GameSettings& s) { s.Directions = DirDown | DirLeft, s.Transformator = 1; }},
        {1, [](GameSettings& s) { s.Rows = 20; }},
        {2, [](GameSettings& s) { s.Cols = 9; }},
        {3, [](GameSettings& s) { s.Count = 3; }},
        {4, [](GameSettings& s) { s.Count = 5, s.Joly = 6; }},
        {5, [](GameSettings& s) { s.Directions = DirDown; }},
        {5, [](GameSettings& s) { s.Directions = DirUp | DirRight; }},
        {5, [](GameSettings& s) { s.Directions = 17; }},
        {5, [](GameSettings& s) { s.Transformator = 2; }},
        {6, [](GameSettings& s) { s.Rating = 4; }},
        {7, [](GameSettings& s) { s.Skala = 21; }},
        {8, [](GameSettings& s) { s.Count = 4, s.Sklo = 5; }},
        {11, [](GameSettings& s) { s.Joly = 2, s.Sklo = 2; }},
        {9, [](GameSettings& s) { s.Doraz = 3; }},
        {9, [](GameSettings& s) { s.Studna = 4; }},
        {12, [](GameSettings& s) { s.ColourMap[3] = 9; }},
        {12, [](GameSettings& s) { s.ColourMap = {1, 1, 1, 1, 1, 1, 1, 1}; }},
        {12, [](GameSettings& s) { s.ColourMap = {2, 1, 3, 4, 5, 6, 7, 8}; }},
        {12, [](GameSettings& s) { s.JinyZolik = 1; }},
        {12, [](GameSettings& s) { s.Mrizka = 4; }},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        GameSettings s;
        cases[i].second(s);
        EXPECT_EQ(CheckSettings(s), cases[i].first) << "case " << i;
    }
}

// Whatever a settings code can say is allowed (20 rocks on the smallest
// field, wells with joining), so a code copied from the hall of fame or from
// a saved game always decodes to settings that load.
TEST(CheckSettings, AllowsEverySettingsCodeThatDecodes) {
    for (const char g : std::string("01234567ABCDEFG"))
        for (const char p : std::string("ABCEFGIJKM")) {
            const std::string code = std::string("EJ41") + g + "HU2" + p;
            const DecodedSettings d = SettingsFromCode(code, GameSettings{});
            ASSERT_EQ(d.result, 0) << code;
            EXPECT_EQ(CheckSettings(d.settings), 0) << code;
        }
}

} // namespace
} // namespace tumbla
