#include "results/FameList.h"

#include "results/FameDate.h"
#include "situation/SettingsCode.h"

#include <algorithm>
#include <numeric>
#include <system_error>

namespace tumbla {
namespace {

// The keys of `count` records side by side in one buffer, then the record
// numbers sorted by them; the keys go when the order is made.
template <class KeyOf>
std::vector<std::uint32_t> SortedOrder(std::size_t count, KeyOf keyOf,
                                       const KeyCollation& collation) {
    std::string keys;
    std::vector<std::size_t> starts(count + 1);
    for (std::size_t n = 0; n < count; ++n) {
        starts[n] = keys.size();
        keys += keyOf(n);
    }
    starts[count] = keys.size();
    auto key = [&](std::uint32_t n) {
        return std::string_view(keys).substr(starts[n], starts[n + 1] - starts[n]);
    };
    std::vector<std::uint32_t> order(count);
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        // Equal keys are equal in every collation; a file of many equal records
        // would otherwise spend seconds in the collator.
        const std::string_view x = key(a), y = key(b);
        const int c = x == y ? 0 : collation(x, y);
        return c != 0 ? c < 0 : a < b;
    });
    return order;
}

} // namespace

std::vector<std::size_t> SortFameList(const std::vector<FameRecord>& records,
                                      const FameKeyOrder& order, const FameFilters& filters,
                                      const KeyCollation& collation) {
    const std::vector<std::uint32_t> sorted = SortedOrder(
        records.size(), [&](std::size_t n) { return FameKeySegments(records[n], order, filters); },
        collation);
    return {sorted.begin(), sorted.end()};
}

FameRow MakeFameRow(std::size_t position, const FameRecord& r, std::size_t number) {
    const FameDateTime when = FameDateTimeFromDate(r.entered);
    // A damaged record may give code characters that are not text; they show as '?'.
    std::string code = SettingsCodeFromSettings(r.settings);
    for (char& c : code)
        if (c < 0x20 || c > 0x7E) c = '?';
    FameRow row;
    row.number = number;
    row.texts = {RightAligned(std::to_string(position), 3),
                 FameName(r),
                 RightAligned(std::to_string(r.points), 9),
                 FameDateText(when),
                 FameTimeText(when),
                 RightAligned(std::to_string(r.settings.BeginNumber), 10),
                 code,
                 RightAligned(std::to_string(number), 5)};
    return row;
}

FameListing::FameListing(std::vector<PackedFameRecord> records, const FameKeyOrder& order,
                         const FameFilters& filters, const KeyCollation& collation)
    : records_(std::move(records)) {
    order_ = SortedOrder(
        records_.size(),
        [&](std::size_t n) {
            return FameKeySegments(UnpackFameRecord(records_[n]), order, filters);
        },
        collation);
}

FameSelection FameListing::selection(std::size_t row) const {
    const std::uint32_t number = order_.at(row);
    return FameSelection{number, records_[number]};
}

FameRow FameListing::row(std::size_t row) const {
    const std::uint32_t number = order_.at(row);
    return MakeFameRow(row + 1, UnpackFameRecord(records_[number]), number);
}

FameListing ListHallOfFame(const HallOfFame& hall, const FameKeyOrder& order,
                           const FameFilters& filters, const KeyCollation& collation) {
    std::vector<PackedFameRecord> records;
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(hall.filePath(), error);
    if (!error)
        records.reserve(static_cast<std::size_t>(
            std::min<std::uintmax_t>(bytes / FameRecord::PackedSize, HallOfFame::MaxRecords)));
    if (!hall.forEach(
            [&](std::size_t, const PackedFameRecord& bytes) { records.push_back(bytes); }))
        records.clear();
    return FameListing(std::move(records), order, filters, collation);
}

} // namespace tumbla
