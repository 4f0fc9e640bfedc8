#include "situation/MemoryIniStore.h"

#include <algorithm>

namespace tumbla {

MemoryIniStore MemoryIniStore::FromIniText(std::string_view text) {
    MemoryIniStore store;
    store.document_ = IniDocument::Parse(text);
    return store;
}

std::optional<std::string> MemoryIniStore::readValue(std::string_view section,
                                                     std::string_view key) const {
    return document_.value(section, key);
}

bool MemoryIniStore::writeValue(std::string_view section, std::string_view key,
                                std::string_view text) {
    if (writesLeft_ == 0) return false;
    --writesLeft_;
    std::string name = std::string(section) + "/" + std::string(key);
    if (std::find(writeOrder_.begin(), writeOrder_.end(), name) == writeOrder_.end())
        writeOrder_.push_back(std::move(name));
    pending_.push_back({std::string(section), std::string(key), std::string(text)});
    return true;
}

bool MemoryIniStore::commit() {
    if (commitFails_) return false;
    IniDocument changed = document_;
    for (const Pending& p : pending_)
        if (!changed.set(p.section, p.key, p.text)) return false;
    document_ = std::move(changed);
    pending_.clear();
    ++commits_;
    return true;
}

void MemoryIniStore::discard() {
    pending_.clear();
}

} // namespace tumbla
