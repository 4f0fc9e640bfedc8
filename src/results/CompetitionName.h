#pragma once
// The file name of a competition result (KORU):
//   check number _ abbreviation _ computer code _ points .hre
//   3 digits       4 characters   5 digits        10 digits
// The check number ties the name to the game (settings code and situation
// number), the computer code to the machine it was played on.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tumbla {

inline constexpr int ComputerCodeModulus = 99991;
inline constexpr int CheckNumberModulus = 997;

// Weight of the character at `position` (from 1), by position mod 10.
int CompetitionWeight(std::size_t position);

// Sum of every byte (0..255) times its position's weight, modulo `modulus`.
int WeightedSum(std::string_view bytes, int modulus);

// The computer code of a system text (UTF-8; summed over its Windows-1250 bytes).
int ComputerCode(std::string_view systemText);

// The check number of a game: the settings code and the situation number as
// the main window shows them, both trimmed.
int CheckNumber(std::string_view settingsCode, std::string_view situationNumber);

// The abbreviation as it goes into a name: trimmed of blanks, at most 4
// characters, padded on the left with "X" to 4 (none entered gives "XXXX").
std::string CompetitionAbbreviation(std::string_view entered);

struct CompetitionInputs {
    std::string settingsCode;    // as shown in the main window
    std::string situationNumber; // as shown in the main window (decimal)
    std::string abbreviation;    // as entered on the KORU tab
    std::int32_t totalScore = 0; // of the position in force
    std::string systemText;      // see SystemIdentity.h
};

// The 25-character name without its extension.
std::string ComposeCompetitionName(const CompetitionInputs& in);

inline constexpr std::string_view CompetitionExtension = ".hre";

// The parts of a name in the competition form (without directory, with or
// without the extension); nothing when the name does not have the form.
struct CompetitionNameParts {
    std::string checkNumber;  // 3 characters
    std::string abbreviation; // 4 characters
    std::string computerCode; // 5 characters
    std::string points;       // 10 characters
};
std::optional<CompetitionNameParts> SplitCompetitionName(std::string_view fileName);

// The copy window lists files named any 3 characters, "_", any 4, "_", any 5,
// "_", any 10, then ".hre" (the extension in any case).
inline constexpr std::string_view CompetitionFilePattern = "???_????_?????_??????????.hre";
bool MatchesCompetitionPattern(std::string_view fileName);

} // namespace tumbla
