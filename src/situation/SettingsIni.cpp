#include "situation/SettingsIni.h"

#include "situation/IniKeys.h"
#include "situation/Presets.h"
#include "situation/SettingsCheck.h"

#include <algorithm>

namespace tumbla {

std::uint8_t DirectionsFromText(std::string_view text) {
    int directions = 0;
    for (char c : text) {
        switch (c) {
        case 'D':
        case 'd':
            directions |= DirDown;
            break;
        case 'U':
        case 'u':
            directions |= DirUp;
            break;
        case 'L':
        case 'l':
            directions |= DirLeft;
            break;
        case 'R':
        case 'r':
            directions |= DirRight;
            break;
        default:
            break;
        }
    }
    if (directions == DirDown) return 0;
    if (directions != 0) directions |= DirDown;
    return static_cast<std::uint8_t>(directions);
}

GameSettings LoadSettingsFromIni(const IniStore& ini, SettingsDialogState& d,
                                 const GameSettings& inForce) {
    auto u8 = [](int v) { return static_cast<std::uint8_t>(v); };
    GameSettings s = inForce;

    // 1. Colours, joker and glass, as the dialog reads them.
    d.colourCount = ReadIniKey(ini, ini::Count);
    const int joly = ReadIniKey(ini, ini::Joly);
    const int sklo = ReadIniKey(ini, ini::Sklo);
    ChooseJoker(d, joly);
    ChooseGlass(d, sklo == joly ? 0 : sklo);
    s.Count = u8(d.colourCount);
    s.Joly = u8(ReadJokerChoice(d));
    s.Sklo = u8(ReadGlassChoice(d));

    // 2. The two colour choosers.
    d.backColour = ReadIniKey(ini, ini::Back);
    d.headColour = ReadIniKey(ini, ini::Head);
    s.Back = d.backColour;
    s.Head = d.headColour;

    // 3. The colour map is always 1..8 in order.
    for (std::size_t i = 0; i < s.ColourMap.size(); ++i)
        s.ColourMap[i] = static_cast<std::int32_t>(i + 1);

    // 4. How empty lines are closed up.
    d.joinChoice = ReadIniKey(ini, ini::Doraz);
    s.Doraz = u8(d.joinChoice);

    // 5. The dialog shows the size too, so that the rock limit below is that
    //    of the field the settings describe.
    s.Rows = u8(ReadIniKey(ini, ini::Rows));
    s.Cols = u8(ReadIniKey(ini, ini::Cols));
    d.rows = s.Rows;
    d.cols = s.Cols;

    // 6. Shown as well, as is the picture set below: the dialog must hold what
    //    is in force, since a hidden OK ("&Uložená") writes it back.
    s.Directions = DirectionsFromText(ReadIniText(ini, ini::Directions));
    d.upBox = (s.Directions & DirUp) != 0;
    d.leftBox = (s.Directions & DirLeft) != 0;
    d.rightBox = (s.Directions & DirRight) != 0;

    // 7. The scoring mode, premium prices as plus 5.
    d.premiumBox = ReadIniKey(ini, ini::Premie) != 0;
    d.ratingChoice = ReadIniKey(ini, ini::Rating);
    s.Rating = u8(d.ratingChoice + (d.premiumBox ? 5 : 0));

    // 8. The special pictures of glass and joker.
    d.glassPictureBox = ReadIniKey(ini, ini::JineSklo) != 0;
    d.jokerPictureBox = ReadIniKey(ini, ini::JinyZolik) != 0;
    s.JineSklo = d.glassPictureBox ? 22 : 0;
    s.JinyZolik = d.jokerPictureBox ? 24 : 0;

    // 9. The stone picture set.
    d.imageSet = ReadIniKey(ini, ini::ImageSet);
    s.ImageSet = u8(d.imageSet);

    // 10. The situation number and the competition name, as texts.
    d.numberText = ReadIniText(ini, ini::BeginNumber);
    d.koruName = ReadIniText(ini, ini::KoruName);

    // 11. Rocks forbid closing up.
    d.rockField = ReadIniKey(ini, ini::Skala);
    ApplyRockLimit(d);
    s.Skala = u8(d.rockField);
    if (s.Skala != 0) s.Doraz = 0;

    // 12. So do wells.
    d.wellField = ReadIniKey(ini, ini::Studna);
    s.Studna = u8(d.wellField);
    if (s.Studna != 0) s.Doraz = 0;

    // 13. The number the generator starts from.
    s.BeginNumber = NumberFromText(d.numberText);

    // 14. Grid, sound and the transformer.
    d.gridChoice = ReadIniKey(ini, ini::Mrizka);
    d.soundBox = ReadIniKey(ini, ini::Zvuk) != 0;
    d.transformerBox = ReadIniKey(ini, ini::Transformator) != 0;
    s.Mrizka = u8(d.gridChoice);
    s.Zvuk = d.soundBox ? 1 : 0;
    s.Transformator = d.transformerBox ? 1 : 0;

    LoadDisplayOptionsFromIni(ini, d);

    // 15. The steps above bring every value into a range that CheckSettings
    //     allows, whatever the file holds (the INI fuzz target holds them to it).
    NormaliseForForce(s);
    return s;
}

void LoadDisplayOptionsFromIni(const IniStore& ini, SettingsDialogState& d) {
    d.dashingBox = ReadIniKey(ini, ini::Dashing) != 0;
    d.previewBox = ReadIniKey(ini, ini::Preview) != 0;
    d.adviceTenths = ReadIniKey(ini, ini::CasRady);
}

IniSaveResult SaveSettingsToIni(IniStore& ini, bool iniWritable, SettingsDialogState& d,
                                const GameSettings& inForce, Messages& messages) {
    IniSaveResult result;
    d.rockField = 0;
    d.wellField = 0;
    d.transformerBox = false;
    if (iniWritable) {
        // All keys reach the file together or not at all, and only settings
        // that a game allows: the readers of every file hold to the same check.
        result.written =
            SettingsAllowed(SettingsFromDialog(d, inForce)) && WriteIniKeys(ini, d) && ini.commit();
        if (!result.written) {
            ini.discard();
            messages.showError(IniWriteFailedText);
        }
    }
    result.settings = LoadSettingsFromIni(ini, d, inForce);
    return result;
}

} // namespace tumbla
