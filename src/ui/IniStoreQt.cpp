#include "ui/IniStoreQt.h"

#include "situation/ReplaceFile.h"

#include <QFile>

#include <span>
#include <string>

namespace tumbla {

IniStoreQt::IniStoreQt(std::filesystem::path file) : file_(std::move(file)) {
    QFile in(QString::fromStdString(file_.string()));
    if (in.open(QIODevice::ReadOnly)) {
        const QByteArray text = in.readAll();
        memory_ = MemoryIniStore::FromIniText(
            std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    }
}

std::optional<std::string> IniStoreQt::readValue(std::string_view section,
                                                 std::string_view key) const {
    return memory_.readValue(section, key);
}

bool IniStoreQt::writeValue(std::string_view section, std::string_view key, std::string_view text) {
    return memory_.writeValue(section, key, text);
}

bool IniStoreQt::commit() {
    MemoryIniStore next = memory_;
    if (!next.commit()) return false;
    const std::string text = next.toIniText();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (!ReplaceFileWith(file_, std::span<const std::uint8_t>(bytes, text.size()))) {
        memory_.discard();
        return false;
    }
    memory_ = std::move(next);
    return true;
}

void IniStoreQt::discard() {
    memory_.discard();
}

} // namespace tumbla
