#include "results/FameList.h"

#include "results/FameDate.h"
#include "situation/SettingsCode.h"

#include <algorithm>

namespace tumbla {

std::vector<FameListEntry> SortFameList(const std::vector<FameRecord>& records,
                                        const FameKeyOrder& order, const FameFilters& filters,
                                        const KeyCollation& collation) {
    std::vector<FameListEntry> entries;
    entries.reserve(records.size());
    for (std::size_t n = 0; n < records.size(); ++n)
        entries.push_back({FameKeySegments(records[n], order, filters), n});
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const FameListEntry& a, const FameListEntry& b) {
                         const int c = collation(a.key, b.key);
                         return c != 0 ? c < 0 : a.number < b.number;
                     });
    return entries;
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

std::vector<FameRow> BuildFameRows(const std::vector<FameRecord>& records,
                                   const std::vector<FameListEntry>& sorted) {
    std::vector<FameRow> rows;
    rows.reserve(sorted.size());
    for (const FameListEntry& e : sorted)
        if (e.number < records.size())
            rows.push_back(MakeFameRow(rows.size() + 1, records[e.number], e.number));
    return rows;
}

std::vector<FameRow> ListHallOfFame(const HallOfFame& hall, const FameKeyOrder& order,
                                    const FameFilters& filters, const KeyCollation& collation) {
    const std::vector<FameRecord> records = hall.readAll();
    return BuildFameRows(records, SortFameList(records, order, filters, collation));
}

} // namespace tumbla
