#include "situation/IniKeys.h"

namespace tumbla {

int ReadIniKey(const IniStore& store, const IniKey& key) {
    if (key.kind == IniKind::YesNo)
        return store.readBool(key.section, key.key, key.defaultValue != 0) ? 1 : 0;
    const int value = store.readInteger(key.section, key.key, key.defaultValue);
    if (value >= key.minimum && value <= key.maximum) return value;
    if (key.outOfRange == OutOfRange::Default) return key.defaultValue;
    return value < key.minimum ? key.minimum : key.maximum;
}

std::string ReadIniText(const IniStore& store, const IniKey& key) {
    return store.readText(key.section, key.key, key.defaultText);
}

bool WriteIniKey(IniStore& store, const IniKey& key, int value) {
    if (key.kind == IniKind::YesNo) return store.writeBool(key.section, key.key, value != 0);
    return store.writeInteger(key.section, key.key, value);
}

bool WriteIniText(IniStore& store, const IniKey& key, std::string_view text) {
    return store.writeText(key.section, key.key, text);
}

} // namespace tumbla
