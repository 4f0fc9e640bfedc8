#include "situation/IniKeys.h"

#include "situation/Blanks.h"

namespace tumbla {

namespace ini {

std::string DirectionsWritten(D d) {
    // "U", "L", "R" of the allowed directions in that order, never "D".
    std::string text;
    if (d.upBox) text += 'U';
    if (d.leftBox) text += 'L';
    if (d.rightBox) text += 'R';
    return text;
}

std::string NumberWritten(D d) {
    return std::string(TrimBlanks(d.numberText));
}

std::string KoruNameWritten(D d) {
    return std::string(TrimBlanks(d.koruName));
}

} // namespace ini

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

bool WriteIniKeys(IniStore& store, const SettingsDialogState& d) {
    for (const IniKey* key : SettingsIniKeys)
        if (!store.writeValue(key->section, key->key, key->written(d))) return false;
    return true;
}

} // namespace tumbla
