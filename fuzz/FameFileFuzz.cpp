// Feeds arbitrary bytes to every reader of the hall-of-fame file: the list and
// its sort, the rows and the detail panel, the ranking, taking over settings,
// deleting a record and appending one. Nothing may crash or read out of
// bounds, and a delete or append must leave exactly the records it should.

#include "results/FameCommands.h"
#include "results/FameList.h"
#include "results/FameRanking.h"
#include "results/HallOfFame.h"
#include "results/SettingsPanel.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

using namespace tumbla;

// Says yes to every question, so that every change the input allows is made.
struct AgreeingMessages : SilentMessages {
    Answer askConfirmation(std::string_view, bool) override { return Answer::Yes; }
};

// A scratch directory of this run, removed when the fuzzer ends. In memory
// where the system has such a folder: every change of the file waits for the
// disk otherwise, and the fuzzer would try a hundred inputs where it can try
// thousands.
struct ScratchDirectory {
    std::filesystem::path path;
    ScratchDirectory() {
        std::random_device seed;
        std::error_code ec;
        const std::filesystem::path memory = "/dev/shm";
        path =
            (std::filesystem::is_directory(memory, ec) ? memory
                                                       : std::filesystem::temp_directory_path()) /
            ("tumbla-fame-fuzz-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path);
    }
    ~ScratchDirectory() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

const std::filesystem::path& Directory() {
    static const ScratchDirectory dir;
    return dir.path;
}

void Require(bool condition) {
    if (!condition) std::abort();
}

// Byte for byte, so that a stored NaN date still equals itself.
bool Same(const FameRecord& a, const FameRecord& b) {
    return PackFameRecord(a) == PackFameRecord(b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const HallOfFame hall(Directory());
    {
        std::ofstream out(hall.filePath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out) return 0;
    }
    const std::uint8_t knob = size > 0 ? data[size - 1] : 0;

    // The list, in a key order and with filters that the input chooses.
    const std::vector<FameRecord> records = hall.readAll();
    Require(records.size() == size / FameRecord::PackedSize);
    FameKeyOrder order = DefaultFameKeyOrder;
    const char letters[] = {'B', 'J', 'D', 'C', 'N', '?'};
    for (std::size_t i = 0; i < order.size() && i < size; ++i) order[i] = letters[data[i] % 6];
    FameFilters filters{};
    for (std::size_t i = 0; i < filters.size(); ++i) filters[i] = (knob >> (i % 8)) & 1;
    const FameListing list = ListHallOfFame(hall, order, filters, CompareCaseBlind);
    Require(list.size() == records.size());
    for (std::size_t row = 0; row < list.size(); ++row) {
        const FameSelection picked = list.selection(row);
        Require(picked.number < records.size() && list.row(row).number == picked.number);
        Require(Same(UnpackFameRecord(picked.bytes), records[picked.number]));
        FameDetailTexts(records[picked.number].settings);
        const auto again = hall.read(picked.number);
        Require(again && Same(*again, records[picked.number]));
    }
    Require(!hall.read(records.size()));

    // The ranking of the game the first record (or the default) was played in,
    // over the records in memory and over the file, read once.
    const GameSettings current = records.empty() ? GameSettings{} : records.front().settings;
    const RankingSwitches switches{(knob & 1) != 0, (knob & 2) != 0, (knob & 4) != 0};
    const std::optional<std::int32_t> points =
        knob & 8 ? std::optional<std::int32_t>(knob) : std::nullopt;
    const auto ranking = RankCurrentGame(records, current, switches, points);
    const FameRanker ranker = RankHallOfFame(hall, current, switches, points);
    Require(ranker.ranking() == ranking && ranker.records().size() == ranking.size());
    Require(ranking.size() <= RankingSize);
    for (std::size_t i = 0; i < ranking.size(); ++i) {
        if (i > 0) Require(ranking[i - 1].points >= ranking[i].points);
        Require(ranking[i].isCurrent() == !ranker.records()[i]);
        MakeRankingRow(i + 1, ranking[i], ranker.records()[i], "jméno");
    }

    AgreeingMessages messages;
    if (!list.empty()) TakeOverSettings(hall, messages, list.selection(0));

    // Delete on the copy the input was written to: exactly the selected record
    // goes, and a selection that no longer fits deletes nothing.
    if (!records.empty()) {
        const std::size_t victim = knob % records.size();
        const PackedFameRecord bytes = *hall.readPacked(victim);
        Require(hall.remove({victim, bytes}) == HallOfFame::Removal::Removed);
        const std::vector<FameRecord> after = hall.readAll();
        Require(after.size() == records.size() - 1);
        for (std::size_t i = 0; i < after.size(); ++i)
            Require(Same(after[i], records[i < victim ? i : i + 1]));
        Require(hall.remove({after.size(), bytes}) == HallOfFame::Removal::Gone);
        std::size_t files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(Directory())) {
            (void)entry;
            ++files;
        }
        Require(files == 1); // no temporary stays
    }

    // An append lands after the last whole record.
    const std::size_t before = hall.readAll().size();
    Require(AppendResult(hall, messages, current, "nový", 1, 40000.0));
    Require(hall.readAll().size() == before + 1);
    return 0;
}
