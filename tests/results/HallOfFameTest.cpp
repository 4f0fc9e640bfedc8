#include "results/HallOfFame.h"

#include "results/TestSupport.h"
#include "support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>

namespace tumbla {
namespace {

using test::FileBytes;
using test::FileSizeLimit;
using test::OtherFiles;
using test::Selected;
using test::TempDir;
using test::WriteBytes;

FameRecord Result(const std::string& name, std::int32_t points) {
    return MakeFameRecord(GameSettings{}, name, points, 45000.5);
}

std::string Packed(const FameRecord& r) {
    const PackedFameRecord bytes = PackFameRecord(r);
    return {bytes.begin(), bytes.end()};
}

std::vector<std::string> Names(const std::vector<FameRecord>& records) {
    std::vector<std::string> names;
    for (const FameRecord& r : records) names.push_back(FameName(r));
    return names;
}

TEST(HallOfFame, AppendCreatesTheFileAndAddsAtTheEnd) {
    TempDir dir;
    const HallOfFame hall(dir.path());
    EXPECT_EQ(hall.filePath(), dir.path() / "Tumbla.Fam");
    EXPECT_TRUE(hall.readAll().empty());
    EXPECT_FALSE(hall.read(0));

    ASSERT_TRUE(hall.append(Result("první", 10)));
    EXPECT_EQ(std::filesystem::file_size(hall.filePath()), 120u);
    ASSERT_TRUE(hall.append(Result("druhý", 20)));
    EXPECT_EQ(std::filesystem::file_size(hall.filePath()), 240u);

    EXPECT_EQ(Names(hall.readAll()), (std::vector<std::string>{"první", "druhý"}));
    ASSERT_TRUE(hall.read(1));
    EXPECT_EQ(hall.read(1)->points, 20);
    EXPECT_FALSE(hall.read(2));
}

TEST(HallOfFame, AFailedAppendIsReported) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "Tumbla.Fam");
    EXPECT_FALSE(HallOfFame(dir.path()).append(Result("x", 1)));
}

// A file of any size (here 1 GB, sparse) is read only as far as the hall of
// fame reaches, and is neither added to nor rewritten.
TEST(HallOfFame, AFileBeyondWhatItHoldsIsReadInPartAndLeftAsItIs) {
    TempDir dir;
    const HallOfFame hall(dir.path());
    ASSERT_TRUE(hall.append(Result("first", 7)));
    const std::uintmax_t size = 1ull << 30;
    std::filesystem::resize_file(hall.filePath(), size);

    std::size_t visited = 0;
    ASSERT_TRUE(hall.forEach([&](std::size_t, const PackedFameRecord&) { ++visited; }));
    EXPECT_EQ(visited, HallOfFame::MaxRecords);
    EXPECT_EQ(FameName(*hall.read(0)), "first");
    EXPECT_FALSE(hall.read(HallOfFame::MaxRecords));
    EXPECT_FALSE(hall.append(Result("x", 1)));
    EXPECT_EQ(hall.remove(Selected(hall, 0)), HallOfFame::Removal::Failed);
    EXPECT_EQ(std::filesystem::file_size(hall.filePath()), size);
}

TEST(HallOfFame, AnAppendCutShortLeavesTheFileAsItWas) {
    TempDir dir;
    const HallOfFame hall(dir.path());
    const std::string file = Packed(Result("a", 1)) + Packed(Result("b", 2));
    WriteBytes(hall.filePath(), file);
    bool appended = true;
    {
        // The disk fills up 50 bytes into the new record.
        const FileSizeLimit full(file.size() + 50);
        appended = hall.append(Result("c", 3));
    }
    EXPECT_FALSE(appended);
    EXPECT_EQ(FileBytes(hall.filePath()), file);
}

TEST(HallOfFame, ATrailingPartOfARecordIsNoRecordAndTheNextAppendCoversIt) {
    TempDir dir;
    const HallOfFame hall(dir.path());
    WriteBytes(hall.filePath(),
               Packed(Result("a", 1)) + Packed(Result("b", 2)) + std::string(50, '\x7F'));

    EXPECT_EQ(Names(hall.readAll()), (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(hall.read(2));

    ASSERT_TRUE(hall.append(Result("c", 3)));
    EXPECT_EQ(std::filesystem::file_size(hall.filePath()), 360u);
    EXPECT_EQ(Names(hall.readAll()), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(FileBytes(hall.filePath()).substr(240), Packed(Result("c", 3)));
}

TEST(HallOfFame, DeletingOneRecordRenumbersTheOnesAfterIt) {
    TempDir dir;
    const HallOfFame hall(dir.path());
    std::string file;
    for (const char* n : {"r0", "r1", "r2", "r3", "r4"}) file += Packed(Result(n, 5));
    file[120 * 4 + 103] = '\x55'; // padding of a later record is carried over as it is
    WriteBytes(hall.filePath(), file);
    // Copies that earlier deletes left when they were killed.
    WriteBytes(dir.path() / "_Work.WK", "killed");
    WriteBytes(dir.path() / "Tumbla.Fam.~tmp", "killed");

    ASSERT_EQ(hall.remove(Selected(hall, 2)), HallOfFame::Removal::Removed);
    EXPECT_EQ(Names(hall.readAll()), (std::vector<std::string>{"r0", "r1", "r3", "r4"}));
    EXPECT_EQ(FileBytes(hall.filePath()), file.substr(0, 240) + file.substr(360));
    EXPECT_EQ(OtherFiles(hall), std::vector<std::string>{});
}

TEST(HallOfFame, DeletingDropsATrailingPartOfARecord) {
    TempDir dir;
    const HallOfFame hall(dir.path());
    WriteBytes(hall.filePath(), Packed(Result("a", 1)) + Packed(Result("b", 2)) + "xyz");
    ASSERT_EQ(hall.remove(Selected(hall, 0)), HallOfFame::Removal::Removed);
    EXPECT_EQ(FileBytes(hall.filePath()), Packed(Result("b", 2)));
}

TEST(HallOfFame, ADeleteThatCannotWriteLeavesTheFileWhole) {
    TempDir dir;
    const HallOfFame hall(dir.path());
    const std::string file = Packed(Result("a", 1)) + Packed(Result("b", 2));
    WriteBytes(hall.filePath(), file);
    std::filesystem::permissions(hall.filePath(), std::filesystem::perms(0444));

    EXPECT_EQ(hall.remove(Selected(hall, 0)), HallOfFame::Removal::Failed);
    EXPECT_FALSE(hall.append(Result("c", 3)));
    EXPECT_EQ(FileBytes(hall.filePath()), file);
    EXPECT_EQ(OtherFiles(hall), std::vector<std::string>{});
}

// The player selected p5 in a list read before another copy deleted p4: p5
// is now record 4 and record 5 is p6. Nothing is deleted rather than p6.
TEST(HallOfFame, ADeleteRemovesOnlyTheRecordThatWasSelected) {
    TempDir dir;
    const HallOfFame hall(dir.path());
    for (int i = 0; i < 8; ++i) ASSERT_TRUE(hall.append(Result("p" + std::to_string(i), i)));
    const FameSelection p5 = Selected(hall, 5);
    ASSERT_EQ(HallOfFame(dir.path()).remove(Selected(hall, 4)), HallOfFame::Removal::Removed);

    EXPECT_EQ(hall.remove(p5), HallOfFame::Removal::Gone);
    EXPECT_EQ(hall.readAll().size(), 7u);
    EXPECT_EQ(hall.remove(FameSelection{7, p5.bytes}), HallOfFame::Removal::Gone) << "no record 7";
    EXPECT_EQ(hall.remove(FameSelection{4, p5.bytes}), HallOfFame::Removal::Removed);
    EXPECT_EQ(Names(hall.readAll()),
              (std::vector<std::string>{"p0", "p1", "p2", "p3", "p6", "p7"}));

    std::filesystem::remove(hall.filePath());
    EXPECT_EQ(hall.remove(p5), HallOfFame::Removal::Gone) << "no file";
}

// Two copies of the game, each with its own handles on the file, append at
// the same time: every record arrives whole.
TEST(HallOfFame, TwoWritersAppendingAtOnceLoseNothing) {
    TempDir dir;
    constexpr int Each = 2000;
    auto writer = [&](std::string prefix) {
        for (int i = 0; i < Each; ++i)
            EXPECT_TRUE(HallOfFame(dir.path()).append(Result(prefix + std::to_string(i), i)));
    };
    std::thread a(writer, "a"), b(writer, "b");
    a.join();
    b.join();
    const std::vector<std::string> names = Names(HallOfFame(dir.path()).readAll());
    const std::set<std::string> distinct(names.begin(), names.end());
    EXPECT_EQ(names.size(), 2u * Each);
    EXPECT_EQ(distinct.size(), 2u * Each);
}

// One copy appends while another appends and deletes its own records: the
// first loses nothing, and only what the second selected goes.
TEST(HallOfFame, AppendsAndDeletesOfTwoCopiesAtOnceDeleteOnlyWhatWasSelected) {
    TempDir dir;
    constexpr int Each = 400;
    std::thread appender([&] {
        for (int i = 0; i < Each; ++i)
            EXPECT_TRUE(HallOfFame(dir.path()).append(Result("a" + std::to_string(i), i)));
    });
    std::thread deleter([&] {
        for (int i = 0; i < Each; ++i) {
            const HallOfFame hall(dir.path());
            const FameRecord mine = Result("b" + std::to_string(i), i);
            ASSERT_TRUE(hall.append(mine));
            const PackedFameRecord bytes = PackFameRecord(mine);
            std::optional<std::size_t> number;
            hall.forEach([&](std::size_t n, const PackedFameRecord& r) {
                if (r == bytes) number = n;
            });
            ASSERT_TRUE(number);
            // The appender may have moved nothing: appends never renumber.
            EXPECT_EQ(hall.remove({*number, bytes}), HallOfFame::Removal::Removed);
        }
    });
    appender.join();
    deleter.join();
    const std::vector<std::string> names = Names(HallOfFame(dir.path()).readAll());
    ASSERT_EQ(names.size(), std::size_t{Each});
    for (int i = 0; i < Each; ++i)
        EXPECT_EQ(names[static_cast<std::size_t>(i)], "a" + std::to_string(i));
}

TEST(HallOfFame, DeleteAllRemovesTheFileAndTheNextAppendStartsAnew) {
    TempDir dir;
    const HallOfFame hall(dir.path());
    EXPECT_TRUE(hall.removeAll()); // nothing to remove is fine
    ASSERT_TRUE(hall.append(Result("a", 1)));
    EXPECT_TRUE(hall.removeAll());
    EXPECT_FALSE(std::filesystem::exists(hall.filePath()));
    ASSERT_TRUE(hall.append(Result("b", 2)));
    EXPECT_EQ(Names(hall.readAll()), std::vector<std::string>{"b"});
}

} // namespace
} // namespace tumbla
