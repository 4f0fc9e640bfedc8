#include "ui/IniStoreQt.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <utility>

namespace tumbla {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The spelling of `wanted` among `names`: the exact one first, else one that
// differs only in letter case; empty when there is none.
QString FindName(const QStringList& names, const QString& wanted) {
    if (names.contains(wanted)) return wanted;
    for (const QString& name : names)
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) return name;
    return {};
}

} // namespace

IniStoreQt::IniStoreQt(QString filePath) : path_(std::move(filePath)) {}

std::optional<std::string> IniStoreQt::readValue(std::string_view section,
                                                 std::string_view key) const {
    QSettings settings(path_, QSettings::IniFormat);
    const QString group = FindName(settings.childGroups(), FromUtf8(section));
    if (group.isEmpty()) return std::nullopt;
    settings.beginGroup(group);
    const QString name = FindName(settings.childKeys(), FromUtf8(key));
    if (name.isEmpty()) return std::nullopt;
    const QVariant value = settings.value(name);
    // An unquoted comma makes QSettings split a hand-written value into a list.
    const QString text = value.typeId() == QMetaType::QStringList
                             ? value.toStringList().join(QStringLiteral(", "))
                             : value.toString();
    return text.toStdString();
}

bool IniStoreQt::writeValue(std::string_view section, std::string_view key, std::string_view text) {
    pending_.push_back({FromUtf8(section), FromUtf8(key), FromUtf8(text)});
    return true;
}

bool IniStoreQt::commit() {
    if (pending_.empty()) return true;
    QSettings settings(path_, QSettings::IniFormat);
    // What the file held, to put back if it cannot be written: QSettings keeps
    // unsaved values for the file and would show them to the next reader.
    std::vector<std::pair<QString, QVariant>> original;
    const QStringList groups = settings.childGroups();
    for (const Pending& p : pending_) {
        QString group = FindName(groups, p.section);
        if (group.isEmpty()) group = p.section;
        settings.beginGroup(group);
        const QStringList keys = settings.childKeys();
        settings.endGroup();
        for (const QString& existing : keys) {
            if (existing.compare(p.key, Qt::CaseInsensitive) != 0) continue;
            const QString path = group + QLatin1Char('/') + existing;
            original.emplace_back(path, settings.value(path));
            settings.remove(path);
        }
        const QString path = group + QLatin1Char('/') + p.key;
        if (!keys.contains(p.key)) original.emplace_back(path, QVariant());
        settings.setValue(path, p.text);
    }
    pending_.clear();
    settings.sync();
    if (settings.status() == QSettings::NoError && settings.isWritable()) return true;
    for (auto it = original.rbegin(); it != original.rend(); ++it) {
        if (it->second.isValid())
            settings.setValue(it->first, it->second);
        else
            settings.remove(it->first);
    }
    return false;
}

void IniStoreQt::discard() {
    pending_.clear();
}

} // namespace tumbla
