#include "results/HallOfFame.h"

#include "results/TestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace tumbla {
namespace {

using test::FileBytes;
using test::ScratchDirectory;
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
    ScratchDirectory dir;
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
    ScratchDirectory dir;
    std::filesystem::create_directory(dir.path() / "Tumbla.Fam");
    EXPECT_FALSE(HallOfFame(dir.path()).append(Result("x", 1)));
}

// While it lives, writes past `limit` bytes of a file fail as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t limit) : previous_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit lower = old_;
        lower.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    void (*previous_)(int);
    rlimit old_{};
};

TEST(HallOfFame, AnAppendCutShortLeavesTheFileAsItWas) {
    ScratchDirectory dir;
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
    ScratchDirectory dir;
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
    ScratchDirectory dir;
    const HallOfFame hall(dir.path());
    std::string file;
    for (const char* n : {"r0", "r1", "r2", "r3", "r4"}) file += Packed(Result(n, 5));
    file[120 * 4 + 103] = '\x55'; // padding of a later record is carried over as it is
    WriteBytes(hall.filePath(), file);

    ASSERT_TRUE(hall.remove(2));
    EXPECT_EQ(Names(hall.readAll()), (std::vector<std::string>{"r0", "r1", "r3", "r4"}));
    EXPECT_EQ(FileBytes(hall.filePath()), file.substr(0, 240) + file.substr(360));
    EXPECT_FALSE(std::filesystem::exists(hall.workPath()));
}

TEST(HallOfFame, DeletingDropsATrailingPartOfARecord) {
    ScratchDirectory dir;
    const HallOfFame hall(dir.path());
    WriteBytes(hall.filePath(), Packed(Result("a", 1)) + Packed(Result("b", 2)) + "xyz");
    ASSERT_TRUE(hall.remove(0));
    EXPECT_EQ(FileBytes(hall.filePath()), Packed(Result("b", 2)));
}

TEST(HallOfFame, ADeleteThatCannotWriteItsCopyLeavesTheFileWhole) {
    ScratchDirectory dir;
    const HallOfFame hall(dir.path());
    const std::string file = Packed(Result("a", 1)) + Packed(Result("b", 2));
    WriteBytes(hall.filePath(), file);
    // Something that is no file stands where the copy must go.
    std::filesystem::create_directory(hall.workPath());

    EXPECT_FALSE(hall.remove(0));
    EXPECT_EQ(FileBytes(hall.filePath()), file);
    EXPECT_TRUE(std::filesystem::is_directory(hall.workPath())) << "not ours to remove";
}

TEST(HallOfFame, DeletingARecordThatIsNotThereChangesNothing) {
    ScratchDirectory dir;
    const HallOfFame hall(dir.path());
    EXPECT_FALSE(hall.remove(0)); // no file
    const std::string file = Packed(Result("a", 1));
    WriteBytes(hall.filePath(), file);
    EXPECT_FALSE(hall.remove(1));
    EXPECT_EQ(FileBytes(hall.filePath()), file);
    EXPECT_FALSE(std::filesystem::exists(hall.workPath()));
}

TEST(HallOfFame, DeleteAllRemovesTheFileAndTheNextAppendStartsAnew) {
    ScratchDirectory dir;
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
