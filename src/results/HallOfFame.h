#pragma once
// The file Tumbla.Fam in the player's data folder: whole 120-byte records, one
// after another, appended and never rewritten in place. A trailing part of a
// record (a write cut short) is not a record: readers skip it and the next
// append writes over it.
//
// Other copies of the game, of this player or of another sharing the folder,
// may change the file at any moment. Every change therefore takes the lock of
// the folder, reads what the file holds then, and replaces it in one step.

#include "results/FameRecord.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace tumbla {

// A record as the player picked it from a list: its number then, and its
// bytes, by which it is found again however the file changed since.
struct FameSelection {
    std::size_t number = 0;
    PackedFameRecord bytes{};
};

class HallOfFame {
  public:
    // The most records the game reads, keeps or adds to: decades of play, and
    // a bound on the time and memory a file of any size can take. Records
    // beyond it are kept on disk but never read.
    static constexpr std::size_t MaxRecords = 100'000;

    explicit HallOfFame(std::filesystem::path directory);

    const std::filesystem::path& filePath() const { return file_; }

    // Writes `record` whole after the last whole record, creating the file;
    // false (nothing written) when the file already holds MaxRecords.
    bool append(const FameRecord& record) const;

    // Record `number` (from 0), or nothing when the file cannot be read or
    // holds no such whole record.
    std::optional<FameRecord> read(std::size_t number) const;
    // The same as stored, byte for byte.
    std::optional<PackedFameRecord> readPacked(std::size_t number) const;

    // Hands every whole record up to MaxRecords to `visit` in file order,
    // reading the file once in pieces; false when it cannot be read (a missing
    // file has none).
    bool forEach(const std::function<void(std::size_t, const PackedFameRecord&)>& visit) const;
    // Every whole record in file order; a missing or unreadable file gives none.
    std::vector<FameRecord> readAll() const;

    enum class Removal {
        Removed, // the records after it moved down one number
        Gone,    // the file no longer holds that record at that number: nothing changed
        Failed,  // the file could not be changed: it is as it was
    };
    // Drops the selected record, if the file still holds exactly those bytes
    // under that number. A file above MaxRecords is not rewritten (Failed):
    // it would mean holding all of it in memory.
    Removal remove(const FameSelection& selected) const;

    // Removes the file; true when it is gone (or never was).
    bool removeAll() const;

  private:
    std::filesystem::path directory_;
    std::filesystem::path file_;
};

} // namespace tumbla
