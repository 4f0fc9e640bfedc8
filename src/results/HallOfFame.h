#pragma once
// The file Tumbla.Fam in the program directory: whole 120-byte records, one
// after another, appended and never rewritten in place. A trailing part of a
// record (a write cut short) is not a record: readers skip it and the next
// append writes over it.

#include "results/FameRecord.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <vector>

namespace tumbla {

class HallOfFame {
  public:
    explicit HallOfFame(std::filesystem::path directory);

    const std::filesystem::path& filePath() const { return file_; }
    // The copy a delete builds before it takes the file's place.
    const std::filesystem::path& workPath() const { return work_; }

    // Writes `record` after the last whole record, creating the file.
    bool append(const FameRecord& record) const;

    // Record `number` (from 0), or nothing when the file cannot be read or
    // holds no such whole record.
    std::optional<FameRecord> read(std::size_t number) const;

    // Every whole record in file order; a missing or unreadable file gives none.
    std::vector<FameRecord> readAll() const;

    // Drops record `number`; the records after it move down one number. The
    // other records go completely into _Work.WK, which is flushed and then
    // renamed over Tumbla.Fam, so the file is never lost on the way. False when
    // nothing changed.
    bool remove(std::size_t number) const;

    // Removes the file; true when it is gone (or never was).
    bool removeAll() const;

  private:
    std::filesystem::path file_;
    std::filesystem::path work_;
};

} // namespace tumbla
