#include "situation/ReplaceFile.h"

#include "support/FileSizeLimit.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <thread>

namespace tumbla {
namespace {

namespace fs = std::filesystem;
using test::FileBytes;
using test::FileSizeLimit;
using test::TempDir;
using test::WriteBytes;

bool Replace(const fs::path& target, const std::string& text) {
    return ReplaceFileWith(
        target, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// Everything in the directory but the names given.
std::vector<std::string> Others(const fs::path& dir, const std::vector<std::string>& known) {
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (std::find(known.begin(), known.end(), name) == known.end()) others.push_back(name);
    }
    return others;
}

TEST(ReplaceFile, FailureLeavesTheOldFileWholeAndNoTemporary) {
    TempDir dir;
    WriteBytes(dir / "t.hrs", "old");
    {
        const FileSizeLimit full(10);
        EXPECT_FALSE(Replace(dir / "t.hrs", std::string(72, 'n')));
    }
    EXPECT_EQ(FileBytes(dir / "t.hrs"), "old");
    EXPECT_EQ(Others(dir.path(), {"t.hrs"}), std::vector<std::string>{});

    EXPECT_TRUE(Replace(dir / "t.hrs", std::string(72, 'n')));
    EXPECT_EQ(FileBytes(dir / "t.hrs"), std::string(72, 'n'));
    EXPECT_FALSE(Replace(dir / "no" / "such.hrs", "x"));
    // A directory, a pipe: nothing a player's file could be replaced by.
    fs::create_directory(dir / "taken.hra");
    EXPECT_FALSE(Replace(dir / "taken.hra", "x"));
    EXPECT_TRUE(fs::is_directory(dir / "taken.hra"));
    ASSERT_EQ(::mkfifo((dir / "pipe.hra").c_str(), 0600), 0);
    EXPECT_FALSE(Replace(dir / "pipe.hra", "x"));
    EXPECT_TRUE(fs::is_fifo(dir / "pipe.hra"));
    EXPECT_EQ(Others(dir.path(), {"t.hrs", "taken.hra", "pipe.hra"}), std::vector<std::string>{});
}

// Two copies of the game save one file at the same moment: each save either
// lands whole or fails; the file is one of them, never a mixture.
TEST(ReplaceFile, TwoWritersOfOneFileLeaveOneOfThemWhole) {
    TempDir dir;
    const fs::path target = dir / "game.hra";
    const std::string a(5000, 'a'), b(7000, 'b');
    int failures = 0;
    auto writer = [&](const std::string& text, int* failed) {
        for (int i = 0; i < 100; ++i)
            if (!Replace(target, text)) ++*failed;
    };
    int failedA = 0, failedB = 0;
    std::thread ta(writer, std::cref(a), &failedA), tb(writer, std::cref(b), &failedB);
    ta.join();
    tb.join();
    failures = failedA + failedB;
    EXPECT_EQ(failures, 0);
    const std::string left = FileBytes(target);
    EXPECT_TRUE(left == a || left == b) << left.size();
    EXPECT_EQ(Others(dir.path(), {"game.hra"}), std::vector<std::string>{});
}

// Temporaries that a killed save left of the same file go with the next save;
// those of other files and other names stay.
TEST(ReplaceFile, StaleTemporariesOfTheTargetAreRemoved) {
    TempDir dir;
    WriteBytes(dir / "game.hra.~tmp", "killed");
    WriteBytes(dir / "other.hra.~tmp", "not ours");
    WriteBytes(dir / "game.hra.txt", "the player's");
    // A killed save under another name, from before this program began, goes
    // too; one from a write that may still be going on stays.
    WriteBytes(dir / "saved once.hra.Ab12Cd.~tmp", "killed long ago");
    fs::last_write_time(dir / "saved once.hra.Ab12Cd.~tmp",
                        fs::last_write_time(dir / "game.hra.txt") - std::chrono::hours(24));
    WriteBytes(dir / "busy.hra.Xy34Zw.~tmp", "being written");
    fs::last_write_time(dir / "busy.hra.Xy34Zw.~tmp",
                        fs::file_time_type::clock::now() + std::chrono::minutes(1));
    ASSERT_TRUE(Replace(dir / "game.hra", "new"));
    const std::vector<std::string> others =
        Others(dir.path(), {"game.hra", "other.hra.~tmp", "game.hra.txt", "busy.hra.Xy34Zw.~tmp"});
    EXPECT_EQ(others, std::vector<std::string>{});
    EXPECT_EQ(FileBytes(dir / "other.hra.~tmp"), "not ours");
    EXPECT_EQ(FileBytes(dir / "busy.hra.Xy34Zw.~tmp"), "being written");
}

// A link is written through to the file it names; the link stays a link.
TEST(ReplaceFile, WritesThroughASymbolicLink) {
    TempDir dir;
    fs::create_directory(dir / "real");
    WriteBytes(dir / "real" / "game.hra", "old");
    fs::create_symlink(fs::path("real") / "game.hra", dir / "link.hra");
    ASSERT_TRUE(Replace(dir / "link.hra", "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.hra"));
    EXPECT_EQ(FileBytes(dir / "real" / "game.hra"), "new");
    // A link to a file not yet there creates it.
    fs::create_symlink(fs::path("real") / "fresh.hra", dir / "dangling.hra");
    ASSERT_TRUE(Replace(dir / "dangling.hra", "made"));
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.hra"));
    EXPECT_EQ(FileBytes(dir / "real" / "fresh.hra"), "made");
}

// The file keeps the permissions it had; a read-only one is not replaced,
// not even by a player who could (root).
TEST(ReplaceFile, KeepsPermissionsAndRefusesAReadOnlyFile) {
    TempDir dir;
    WriteBytes(dir / "shared.hra", "old");
    fs::permissions(dir / "shared.hra", fs::perms(0640));
    ASSERT_TRUE(Replace(dir / "shared.hra", "new"));
    EXPECT_EQ(fs::status(dir / "shared.hra").permissions(), fs::perms(0640));

    WriteBytes(dir / "kept.hra", "old");
    fs::permissions(dir / "kept.hra", fs::perms(0444));
    EXPECT_FALSE(Replace(dir / "kept.hra", "new"));
    EXPECT_EQ(FileBytes(dir / "kept.hra"), "old");
    EXPECT_EQ(fs::status(dir / "kept.hra").permissions(), fs::perms(0444));
}

} // namespace
} // namespace tumbla
