#include "situation/SettingsFile.h"

#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace tumbla {
namespace {

using test::TempDir;

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

GameSettings Chosen() {
    GameSettings s;
    s.Count = 7;
    s.Directions = 13;
    s.Joly = 2;
    s.Rating = 5;
    s.Zvuk = 1;
    s.Rows = 12;
    s.Cols = 18;
    s.Sklo = 6;
    s.Doraz = 2;
    s.BeginNumber = -123456;
    s.ImageSet = 11;
    s.Back = 0x00C0FFEE;
    s.Head = 0x00ABCDEF;
    s.JinyZolik = 24;
    s.JineSklo = 22;
    s.Mrizka = 3;
    return s;
}

TEST(SettingsFile, LayoutByteForByte) {
    GameSettings s = Chosen();
    s.Skala = 4;
    s.Studna = 1;
    s.Transformator = 1;
    s.Reserved[0] = 7;
    const PackedSettings b = PackSettingsFile(s);
    EXPECT_EQ(b[0], 7);
    EXPECT_EQ(b[36], 13);
    EXPECT_EQ(b[37], 2);
    EXPECT_EQ(b[38], 5);
    EXPECT_EQ(b[39], 1);
    EXPECT_EQ(b[40], 12);
    EXPECT_EQ(b[41], 18);
    EXPECT_EQ(b[42], 6);
    EXPECT_EQ(b[43], 2);
    EXPECT_EQ((std::vector<int>{b[44], b[45], b[46], b[47]}),
              (std::vector<int>{0xC0, 0x1D, 0xFE, 0xFF}));
    EXPECT_EQ(b[48], 11);
    EXPECT_EQ((std::vector<int>{b[52], b[53], b[54], b[55]}),
              (std::vector<int>{0xEE, 0xFF, 0xC0, 0x00}));
    EXPECT_EQ(b[56], 0xEF);
    EXPECT_EQ(b[60], 24);
    EXPECT_EQ(b[61], 22);
    EXPECT_EQ(b[62], 3);
    for (int at = 63; at <= 70; ++at) EXPECT_EQ(b[static_cast<std::size_t>(at)], 0) << at;
    EXPECT_EQ(b[71], 222);
}

TEST(SettingsFile, SizeAndCheckByte) {
    const PackedSettings packed = PackSettingsFile(Chosen());
    std::vector<std::uint8_t> bytes(packed.begin(), packed.end());
    EXPECT_EQ(UnpackSettingsFile(bytes), Chosen());

    std::vector<std::uint8_t> longer = bytes;
    longer.push_back(0x55);
    EXPECT_EQ(UnpackSettingsFile(longer), Chosen());

    std::vector<std::uint8_t> shorter(bytes.begin(), bytes.end() - 1);
    EXPECT_EQ(UnpackSettingsFile(shorter), std::nullopt);

    bytes[71] = 221;
    EXPECT_EQ(UnpackSettingsFile(bytes), std::nullopt);
    EXPECT_EQ(UnpackSettingsFile({}), std::nullopt);
}

TEST(SettingsFile, SettingsNoGameAllowsAreRefused) {
    const std::vector<std::pair<std::string, void (*)(PackedSettings&)>> cases{
        {"joker is glass", [](PackedSettings& b) { b[42] = b[37]; }},
        {"down alone", [](PackedSettings& b) { b[36] = 1; }},
        {"left without down", [](PackedSettings& b) { b[36] = 4; }},
        {"unknown direction", [](PackedSettings& b) { b[36] = 17; }},
        {"12 colours", [](PackedSettings& b) { b[0] = 12; }},
        {"3 rows", [](PackedSettings& b) { b[40] = 3; }},
        {"rating 4", [](PackedSettings& b) { b[38] = 4; }},
        {"join 3", [](PackedSettings& b) { b[43] = 3; }},
        {"grid 4", [](PackedSettings& b) { b[62] = 4; }},
    };
    for (const auto& [what, change] : cases) {
        PackedSettings bytes = PackSettingsFile(Chosen());
        change(bytes);
        EXPECT_EQ(UnpackSettingsFile(bytes), std::nullopt) << what;
    }
}

TEST(SettingsFile, NeverBringsRocksWellsOrTransformer) {
    PackedSettings bytes = PackSettings(Chosen());
    bytes[63] = 9;
    bytes[64] = 2;
    bytes[65] = 1;
    bytes[4] = 77; // colour map
    bytes[71] = 222;
    const std::optional<GameSettings> s = UnpackSettingsFile(bytes);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Skala, 0);
    EXPECT_EQ(s->Studna, 0);
    EXPECT_EQ(s->Transformator, 0);
    EXPECT_EQ(s->ColourMap[0], 1);
}

TEST(SettingsFile, SaveAndLoadGiveTheSameDialogExceptRocksWellsTransformer) {
    TempDir dir;
    SettingsDialogState d;
    GameSettings s = Chosen();
    s.Skala = 3;
    s.Doraz = 0;
    s.Studna = 2;
    s.Transformator = 1;
    NastavFormular(d, s);
    ASSERT_TRUE(KonvertFromSetings(dir / "a.hrs", d));
    EXPECT_EQ(ReadAll(dir / "a.hrs").size(), 72u);

    SettingsDialogState loaded;
    ASSERT_EQ(KonvertToSetings(dir / "a.hrs", loaded), SettingsFileRead::Accepted);
    GameSettings expected = SettingsFromDialog(d, GameSettings{});
    expected.Skala = 0;
    expected.Studna = 0;
    expected.Transformator = 0;
    EXPECT_EQ(SettingsFromDialog(loaded, GameSettings{}), expected);
    EXPECT_EQ(loaded.rockField, 0);
    EXPECT_FALSE(loaded.transformerBox);
}

TEST(SettingsFile, BadFilesChangeNothing) {
    TempDir dir;
    std::vector<std::uint8_t> bytes(72, 0);
    bytes[71] = 222;
    bytes.pop_back();
    WriteAll(dir / "short.hrs", bytes);
    SettingsDialogState d;
    NastavFormular(d, Chosen());
    const SettingsDialogState before = d;
    EXPECT_EQ(KonvertToSetings(dir / "short.hrs", d), SettingsFileRead::Refused);
    EXPECT_EQ(KonvertToSetings(dir / "missing.hrs", d), SettingsFileRead::Refused);
    EXPECT_EQ(KonvertToSetings(dir.path(), d), SettingsFileRead::Refused);
    EXPECT_EQ(SettingsFromDialog(d, {}), SettingsFromDialog(before, {}));
}

} // namespace
} // namespace tumbla
