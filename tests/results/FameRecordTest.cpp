#include "results/FameRecord.h"
#include "engine/Bytes.h"
#include "situation/Windows1250.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>

namespace tumbla {
namespace {

FameRecord Sample() {
    FameRecord r;
    r.settings.Count = 6;
    r.settings.Rows = 12;
    r.settings.Cols = 22;
    r.settings.BeginNumber = -123456;
    r.settings.Reserved[5] = 222;
    r.name = "Jan Nov\xE1k"; // "Jan Novák" in Windows-1250
    r.points = 0x01020304;
    r.entered = 45678.75;
    return r;
}

TEST(FameRecord, PacksEveryFieldAtItsOffset) {
    const FameRecord r = Sample();
    const PackedFameRecord bytes = PackFameRecord(r);
    ASSERT_EQ(bytes.size(), 120u);

    const PackedSettings settings = PackSettings(r.settings);
    EXPECT_TRUE(std::equal(settings.begin(), settings.end(), bytes.begin()));
    EXPECT_EQ(bytes[40], 12); // Rows inside the settings block
    EXPECT_EQ(GetI32(bytes, 44), -123456);

    EXPECT_EQ(bytes[72], 9); // name length
    EXPECT_EQ(std::memcmp(bytes.data() + 73, "Jan Nov\xE1k", 9), 0);
    for (std::size_t i = 73 + 9; i < 103; ++i) EXPECT_EQ(bytes[i], 0) << "name tail " << i;
    EXPECT_EQ(bytes[103], 0);

    EXPECT_EQ(bytes[104], 0x04); // points, little-endian
    EXPECT_EQ(bytes[105], 0x03);
    EXPECT_EQ(bytes[106], 0x02);
    EXPECT_EQ(bytes[107], 0x01);
    for (std::size_t i = 108; i < 112; ++i) EXPECT_EQ(bytes[i], 0) << "padding " << i;

    const auto dateBits = std::bit_cast<std::uint64_t>(45678.75);
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(bytes[112 + i], static_cast<std::uint8_t>(dateBits >> (8 * i))) << "date " << i;
}

TEST(FameRecord, UnpackGivesBackWhatWasPackedAndIgnoresPadding) {
    const FameRecord r = Sample();
    PackedFameRecord bytes = PackFameRecord(r);
    EXPECT_EQ(UnpackFameRecord(bytes), r);

    bytes[103] = 0xAA;
    bytes[108] = 0xBB;
    bytes[111] = 0xCC;
    bytes[73 + 20] = 'Z'; // beyond the length: not part of the name
    EXPECT_EQ(UnpackFameRecord(bytes), r);
}

TEST(FameRecord, DistrustsAStoredNameLength) {
    PackedFameRecord bytes = PackFameRecord(Sample());
    bytes[72] = 255;
    const FameRecord r = UnpackFameRecord(bytes);
    EXPECT_EQ(r.name.size(), 30u);
    EXPECT_EQ(r.name.substr(0, 9), "Jan Nov\xE1k");
}

TEST(FameRecord, NameIsCutToThirtyCharactersAndStoredAsWindows1250) {
    // 34 characters, many of them two bytes in UTF-8.
    const std::string name = "Příliš žluťoučký kůň úpěl ďábelské";
    ASSERT_EQ(Utf8Length(name), 34u);
    const FameRecord r = MakeFameRecord(GameSettings{}, name, 10, 1.0);
    EXPECT_EQ(r.name.size(), 30u);
    EXPECT_EQ(FameName(r), "Příliš žluťoučký kůň úpěl ďábe");
    const PackedFameRecord bytes = PackFameRecord(r);
    EXPECT_EQ(bytes[72], 30);
    EXPECT_EQ(bytes[73 + 1], 0xF8); // ř
}

TEST(FameRecord, CharactersWithoutAWindows1250FormAreStoredAsQuestionMarks) {
    const FameRecord r = MakeFameRecord(GameSettings{}, "Ana 漢字 Æ€", 1, 1.0);
    EXPECT_EQ(r.name, "Ana ?? ?\x80");
    EXPECT_EQ(FameName(r), "Ana ?? ?€");
}

} // namespace
} // namespace tumbla
