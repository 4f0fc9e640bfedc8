#include "results/CompetitionName.h"

#include "results/FameSortKey.h"
#include "situation/Windows1250.h"

#include <array>
#include <vector>

namespace tumbla {
namespace {

constexpr std::array<int, 10> Weights{31, 29, 23, 21, 73, 47, 97, 53, 7, 11};

std::string_view Trimmed(std::string_view s) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool EndsWithExtension(std::string_view name) {
    if (name.size() < CompetitionExtension.size()) return false;
    const std::string_view tail = name.substr(name.size() - CompetitionExtension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != CompetitionExtension[i]) return false;
    }
    return true;
}

// Byte offsets of the characters of a UTF-8 text, plus its end.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    starts.push_back(text.size());
    return starts;
}

} // namespace

int CompetitionWeight(std::size_t position) {
    return Weights[position % 10];
}

int WeightedSum(std::string_view bytes, int modulus) {
    std::int64_t h = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int c = static_cast<unsigned char>(bytes[i]);
        h = (h + std::int64_t{c} * CompetitionWeight(i + 1)) % modulus;
    }
    return static_cast<int>(h);
}

int ComputerCode(std::string_view systemText) {
    return WeightedSum(Utf8ToWindows1250(systemText), ComputerCodeModulus);
}

int CheckNumber(std::string_view settingsCode, std::string_view situationNumber) {
    const std::string game =
        std::string(Trimmed(settingsCode)) + std::string(Trimmed(situationNumber));
    return WeightedSum(Utf8ToWindows1250(game), CheckNumberModulus);
}

std::string CompetitionAbbreviation(std::string_view entered) {
    const std::string_view trimmed = Trimmed(entered);
    const std::vector<std::size_t> starts = CharacterStarts(trimmed);
    const std::size_t characters = starts.size() - 1;
    if (characters >= 4) return std::string(trimmed.substr(0, starts[4]));
    return std::string(4 - characters, 'X') + std::string(trimmed);
}

std::string ComposeCompetitionName(const CompetitionInputs& in) {
    return ZeroPadded(CheckNumber(in.settingsCode, in.situationNumber), 3) + "_" +
           CompetitionAbbreviation(in.abbreviation) + "_" +
           ZeroPadded(ComputerCode(in.systemText), 5) + "_" +
           // Zeros go in front of the sign too, as in every proposed file name.
           ZeroPadded(in.totalScore, 10);
}

std::optional<CompetitionNameParts> SplitCompetitionName(std::string_view fileName) {
    std::string_view name = fileName;
    if (EndsWithExtension(name)) name.remove_suffix(CompetitionExtension.size());
    const std::vector<std::size_t> starts = CharacterStarts(name);
    if (starts.size() - 1 != 25) return std::nullopt;
    auto part = [&](std::size_t from, std::size_t count) {
        return std::string(name.substr(starts[from], starts[from + count] - starts[from]));
    };
    if (part(3, 1) != "_" || part(8, 1) != "_" || part(14, 1) != "_") return std::nullopt;
    return CompetitionNameParts{part(0, 3), part(4, 4), part(9, 5), part(15, 10)};
}

bool MatchesCompetitionPattern(std::string_view fileName) {
    return EndsWithExtension(fileName) && SplitCompetitionName(fileName).has_value();
}

} // namespace tumbla
