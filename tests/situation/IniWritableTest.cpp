#include "situation/IniWritable.h"

#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tumbla {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(IniWritable, WritableDirectoryWithOrWithoutIni) {
    TempDir dir;
    EXPECT_TRUE(IniWritable(dir.path()));
    EXPECT_FALSE(fs::exists(dir / "Test@@@.@@@"));
    std::ofstream(dir / "Tumbla.ini") << "[Colors]\n";
    EXPECT_TRUE(IniWritable(dir.path()));
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
