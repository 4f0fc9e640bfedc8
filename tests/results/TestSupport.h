#pragma once
// The results tests' names for the shared scratch directory and scripted
// player; their player says Yes unless told otherwise.

#include "results/HallOfFame.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

namespace tumbla::test {

// Record `number` as a list that reads the file now shows it.
inline FameSelection Selected(const HallOfFame& hall, std::size_t number) {
    const auto bytes = hall.readPacked(number);
    EXPECT_TRUE(bytes) << number;
    return FameSelection{number, bytes.value_or(PackedFameRecord{})};
}

// Everything beside Tumbla.Fam in its directory.
inline std::vector<std::string> OtherFiles(const HallOfFame& hall) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(hall.filePath().parent_path()))
        if (entry.path() != hall.filePath()) names.push_back(entry.path().filename().string());
    return names;
}

} // namespace tumbla::test
