#include "situation/IniFileStore.h"

#include "situation/DirectoryLock.h"
#include "situation/FileRead.h"
#include "situation/ReplaceFile.h"

#include <cerrno>
#include <utility>

#include <sys/stat.h>

namespace tumbla {

IniFileStore::IniFileStore(std::filesystem::path file) : file_(std::move(file)) {}

std::optional<IniFileStore::Seen> IniFileStore::Look(const std::filesystem::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) {
        if (errno != ENOENT) return std::nullopt;
        return Seen{};
    }
    return Seen{static_cast<std::uint64_t>(st.st_dev),
                static_cast<std::uint64_t>(st.st_ino),
                static_cast<std::uint64_t>(st.st_size),
                st.st_mtim.tv_sec,
                st.st_mtim.tv_nsec,
                true};
}

std::optional<IniDocument> IniFileStore::Load(const std::filesystem::path& file, const Seen& seen) {
    if (!seen.exists) return IniDocument{};
    const ReadableFile f(file);
    if (!f.isOpen() || f.size() > IniSizeLimit) return std::nullopt;
    std::string text(static_cast<std::size_t>(f.size()), '\0');
    const auto n = f.readAt(0, reinterpret_cast<std::uint8_t*>(text.data()), text.size());
    if (!n) return std::nullopt;
    text.resize(*n);
    return IniDocument::Parse(text);
}

const IniDocument& IniFileStore::current() const {
    const std::optional<Seen> now = Look(file_);
    if (seen_ && now && *seen_ == *now) return document_;
    auto loaded = now ? Load(file_, *now) : std::nullopt;
    // A file that cannot be used reads as missing: every key takes its default.
    document_ = loaded ? std::move(*loaded) : IniDocument{};
    seen_ = now;
    return document_;
}

std::optional<std::string> IniFileStore::readValue(std::string_view section,
                                                   std::string_view key) const {
    return current().value(section, key);
}

bool IniFileStore::writeValue(std::string_view section, std::string_view key,
                              std::string_view text) {
    pending_.push_back({std::string(section), std::string(key), std::string(text)});
    return true;
}

bool IniFileStore::commit() {
    if (pending_.empty()) return true;
    const std::filesystem::path file = FollowLinks(file_);
    const DirectoryLock lock(file.parent_path());
    if (!lock.held()) return false;
    // What the file holds now: another copy of the game or the player may
    // have changed it since it was read.
    const std::optional<Seen> seen = Look(file);
    std::optional<IniDocument> doc = seen ? Load(file, *seen) : std::nullopt;
    if (!doc) return false;
    const std::string before = doc->text();
    for (const Pending& p : pending_)
        if (!doc->set(p.section, p.key, p.text)) return false;
    const std::string after = doc->text();
    if (after != before || !seen->exists) {
        const auto bytes =
            std::span(reinterpret_cast<const std::uint8_t*>(after.data()), after.size());
        if (!ReplaceFileWith(file, bytes, lock)) return false;
    }
    pending_.clear();
    seen_.reset();
    return true;
}

void IniFileStore::discard() {
    pending_.clear();
}

} // namespace tumbla
