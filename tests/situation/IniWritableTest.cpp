#include "situation/IniWritable.h"

#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace tumbla {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

TEST(IniWritable, WritableDirectoryWithOrWithoutIni) {
    TempDir dir;
    EXPECT_TRUE(IniWritable(dir.path()));
    EXPECT_FALSE(fs::exists(dir / "Test@@@.@@@"));
    std::ofstream(dir / "Tumbla.ini") << "[Colors]\n";
    EXPECT_TRUE(IniWritable(dir.path()));
    // A file of the probe's name is the player's, and stays as it is.
    std::ofstream(dir / "Test@@@.@@@") << "mine";
    EXPECT_TRUE(AcceptsNewFiles(dir.path()));
    std::ifstream kept(dir / "Test@@@.@@@");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "mine");
}

TEST(IniWritable, ReadOnlyIniMakesItFalse) {
    TempDir dir;
    std::ofstream(dir / "Tumbla.ini") << "[Colors]\n";
    fs::permissions(dir / "Tumbla.ini",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(IniWritable(dir.path()));
}

TEST(IniWritable, MissingDirectoryIsFalse) {
    TempDir dir;
    EXPECT_FALSE(IniWritable(dir / "gone"));
}

} // namespace
} // namespace tumbla
