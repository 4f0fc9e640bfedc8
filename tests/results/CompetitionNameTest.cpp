#include "results/CompetitionName.h"
#include "results/SystemIdentity.h"

#include "results/TestSupport.h"

#include <gtest/gtest.h>

namespace tumbla {
namespace {

CompetitionInputs Game() {
    CompetitionInputs in;
    in.settingsCode = "JT80BB0AB";
    in.situationNumber = "12345";
    in.abbreviation = "AB";
    in.totalScore = 1234;
    in.systemText = "3petrnovakpc1Intel(R) Core(TM) i5(none)Petr Novák";
    return in;
}

TEST(CompetitionName, WeightsRunByPositionModTen) {
    EXPECT_EQ(CompetitionWeight(1), 29);
    EXPECT_EQ(CompetitionWeight(9), 11);
    EXPECT_EQ(CompetitionWeight(10), 31);
    EXPECT_EQ(CompetitionWeight(14), 73);
    // 'A' * 29 + 'B' * 23 = 3403, which is 412 modulo 997.
    EXPECT_EQ(WeightedSum("AB", 997), 412);
    EXPECT_EQ(WeightedSum("", 997), 0);
    EXPECT_EQ(WeightedSum("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 1'000'000), 255 * 392);
}

TEST(CompetitionName, NameHasItsFourPartsAndTwentyFiveCharacters) {
    const std::string name = ComposeCompetitionName(Game());
    ASSERT_EQ(name.size(), 25u);
    EXPECT_EQ(name.substr(0, 4), "183_");   // check number of "JT80BB0AB12345"
    EXPECT_EQ(name.substr(4, 5), "XXAB_");  // two letters padded with X
    EXPECT_EQ(name.substr(9, 6), "77133_"); // computer code of the system text
    EXPECT_EQ(name.substr(15), "0000001234");
    EXPECT_TRUE(MatchesCompetitionPattern(name + ".hre"));
}

TEST(CompetitionName, ShownFieldsAreTrimmedBeforeTheCheckNumber) {
    CompetitionInputs padded = Game();
    padded.settingsCode = "  JT80BB0AB ";
    padded.situationNumber = " 12345  ";
    EXPECT_EQ(ComposeCompetitionName(padded), ComposeCompetitionName(Game()));
}

TEST(CompetitionName, AbbreviationIsPaddedWithXOnTheLeft) {
    EXPECT_EQ(CompetitionAbbreviation(""), "XXXX");
    EXPECT_EQ(CompetitionAbbreviation("   "), "XXXX");
    EXPECT_EQ(CompetitionAbbreviation(" AB "), "XXAB");
    EXPECT_EQ(CompetitionAbbreviation("NOVA"), "NOVA");
    EXPECT_EQ(CompetitionAbbreviation("NOVAK"), "NOVA");
    EXPECT_EQ(CompetitionAbbreviation("Řež"), "XŘež"); // characters, not bytes
}

TEST(CompetitionName, OnlyTheComputerCodeTellsTwoComputersApart) {
    CompetitionInputs other = Game();
    other.systemText = "5janapc2ARMv8(none)Jana";
    const auto a = SplitCompetitionName(ComposeCompetitionName(Game()));
    const auto b = SplitCompetitionName(ComposeCompetitionName(other));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->checkNumber, b->checkNumber);
    EXPECT_NE(a->computerCode, b->computerCode);
    EXPECT_EQ(ComposeCompetitionName(Game()), ComposeCompetitionName(Game()));
}

TEST(CompetitionName, NegativeAndHugePointsKeepTheirText) {
    CompetitionInputs in = Game();
    in.totalScore = -45;
    EXPECT_EQ(ComposeCompetitionName(in).substr(15), "0000000-45");
    in.totalScore = 2'147'483'647;
    EXPECT_EQ(ComposeCompetitionName(in).substr(15), "2147483647");
}

TEST(CompetitionName, ThePatternOfTheCopyWindow) {
    EXPECT_TRUE(MatchesCompetitionPattern("123_ABCD_12345_0000001234.hre"));
    EXPECT_TRUE(MatchesCompetitionPattern("abc_ŠÍMA_xxxxx_yyyyyyyyyy.HRE"));
    EXPECT_FALSE(MatchesCompetitionPattern("123_ABCD_12345_0000001234.hra"));
    EXPECT_FALSE(MatchesCompetitionPattern("123_ABCD_12345_000001234.hre"));
    EXPECT_FALSE(MatchesCompetitionPattern("123-ABCD_12345_0000001234.hre"));
    EXPECT_FALSE(MatchesCompetitionPattern(".hre"));
    const auto parts = SplitCompetitionName("123_ABCD_12345_0000001234");
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->abbreviation, "ABCD");
    EXPECT_EQ(parts->points, "0000001234");
}

struct FixedIdentity : SystemIdentity {
    std::uint32_t buildNumber() const override { return 70000; }
    std::string userName() const override { return "petr"; }
    std::string computerName() const override { return "stroj"; }
    std::string processorType() const override { return "x86"; }
    std::string organisation() const override { return "Firma"; }
    std::string owner() const override { return "Petr"; }
};

TEST(SystemIdentity, SystemTextJoinsTheItemsInOrder) {
    EXPECT_EQ(SystemText(FixedIdentity{}), "4464petrstrojx86FirmaPetr"); // 70000 & 0xFFFF
}

TEST(SystemIdentity, LinuxItemsComeFromTheirFiles) {
    test::TempDir root;
    std::filesystem::create_directories(root.path() / "proc/sys/kernel");
    std::filesystem::create_directories(root.path() / "etc");
    test::WriteBytes(root.path() / "proc/sys/kernel/version",
                     "#17 SMP PREEMPT_DYNAMIC Debian 6.1.76-1\n");
    test::WriteBytes(root.path() / "proc/sys/kernel/hostname", "stroj\n");
    test::WriteBytes(root.path() / "proc/sys/kernel/domainname", "(none)\n");
    test::WriteBytes(root.path() / "proc/cpuinfo",
                     "processor\t: 0\nvendor_id\t: X\nmodel name\t: Pentium 4\n\n"
                     "processor\t: 1\nmodel name\t: other\n");
    const LinuxSystemIdentity id(root.path());
    EXPECT_EQ(id.buildNumber(), 17u);
    EXPECT_EQ(id.computerName(), "stroj");
    EXPECT_EQ(id.organisation(), "(none)");
    EXPECT_EQ(id.processorType(), "Pentium 4");

    const LinuxSystemIdentity empty(root.path() / "nowhere");
    EXPECT_EQ(empty.buildNumber(), 0u);
    EXPECT_EQ(empty.computerName(), "");
    EXPECT_EQ(empty.owner(), "");
}

TEST(SystemIdentity, ParsersTakeWhatTheFilesHold) {
    EXPECT_EQ(KernelBuildCount("#1 SMP"), 1u);
    EXPECT_EQ(KernelBuildCount("SMP #3"), 0u);
    const std::string passwd = "root:x:0:0:root:/root:/bin/bash\n"
                               "petr:x:1000:1000:Petr Novák,,,:/home/petr:/bin/bash\n"
                               "broken:x\n";
    EXPECT_EQ(PasswdFullName(passwd, "petr"), "Petr Novák");
    EXPECT_EQ(PasswdFullName(passwd, "pet"), "");
    EXPECT_EQ(PasswdFullName(passwd, "broken"), "");
    EXPECT_EQ(PasswdFullName(passwd, ""), "");
    EXPECT_EQ(CpuModelName("cpu model\t: x\n"), "");
}

} // namespace
} // namespace tumbla
