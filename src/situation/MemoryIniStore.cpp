#include "situation/MemoryIniStore.h"

#include "situation/Blanks.h"

#include <algorithm>

namespace tumbla {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

const MemoryIniStore::Entry* MemoryIniStore::find(const std::vector<Entry>& entries,
                                                  std::string_view section, std::string_view key) {
    for (const Entry& e : entries)
        if (SameName(e.section, section) && SameName(e.key, key)) return &e;
    return nullptr;
}

void MemoryIniStore::put(std::vector<Entry>& entries, std::string_view section,
                         std::string_view key, std::string_view value, bool replace) {
    for (Entry& e : entries) {
        if (SameName(e.section, section) && SameName(e.key, key)) {
            if (replace) e.value = value;
            return;
        }
    }
    entries.push_back({std::string(section), std::string(key), std::string(value)});
}

MemoryIniStore MemoryIniStore::FromIniText(std::string_view text) {
    MemoryIniStore store;
    std::string section;
    bool inSection = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = TrimBlanks(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            section =
                TrimBlanks(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
            inSection = true;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!inSection || eq == std::string_view::npos) continue;
        const std::string_view key = TrimBlanks(line.substr(0, eq));
        if (key.empty()) continue;
        put(store.stored_, section, key, TrimBlanks(line.substr(eq + 1)), false);
    }
    return store;
}

std::string MemoryIniStore::toIniText() const {
    std::string out;
    std::vector<std::string> sections;
    for (const Entry& e : stored_) {
        if (std::none_of(sections.begin(), sections.end(),
                         [&](const std::string& s) { return SameName(s, e.section); }))
            sections.push_back(e.section);
    }
    for (const std::string& section : sections) {
        out += "[" + section + "]\n";
        for (const Entry& e : stored_)
            if (SameName(e.section, section)) out += e.key + "=" + e.value + "\n";
        out += "\n";
    }
    return out;
}

std::optional<std::string> MemoryIniStore::readValue(std::string_view section,
                                                     std::string_view key) const {
    if (const Entry* e = find(stored_, section, key)) return e->value;
    return std::nullopt;
}

bool MemoryIniStore::writeValue(std::string_view section, std::string_view key,
                                std::string_view text) {
    if (writesLeft_ == 0) return false;
    --writesLeft_;
    std::string name = std::string(section) + "/" + std::string(key);
    if (std::find(writeOrder_.begin(), writeOrder_.end(), name) == writeOrder_.end())
        writeOrder_.push_back(std::move(name));
    put(pending_, section, key, text, true);
    return true;
}

bool MemoryIniStore::commit() {
    if (commitFails_) return false;
    for (const Entry& e : pending_) put(stored_, e.section, e.key, e.value, true);
    pending_.clear();
    ++commits_;
    return true;
}

void MemoryIniStore::discard() {
    pending_.clear();
}

} // namespace tumbla
