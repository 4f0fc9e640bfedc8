#include "results/CompetitionCopy.h"
#include "results/CompetitionSubmission.h"

#include "results/TestSupport.h"

#include <gtest/gtest.h>

namespace tumbla {
namespace {

using test::FakeMessages;
using test::FileBytes;
using test::TempDir;
using test::WriteBytes;

struct RecordingCopier : FileCopier {
    std::vector<std::pair<std::string, std::string>> calls;
    std::size_t failAt = SIZE_MAX;
    bool copy(const std::string& s, const std::string& d) override {
        calls.emplace_back(s, d);
        return calls.size() - 1 != failAt;
    }
};

TEST(CompetitionCopy, DoubledSeparatorsAreReduced) {
    EXPECT_EQ(ReduceDoubledSeparators("/mnt//a"), "/mnt/a");
    EXPECT_EQ(ReduceDoubledSeparators("a////b"), "a//b"); // each pair once
    EXPECT_EQ(ReduceDoubledSeparators("A:\\\\x", '\\'), "A:\\x");
    const CopyPaths root = CompetitionCopyPaths("/home/petr/", "/", "f.hre");
    EXPECT_EQ(root.source, "/home/petr/f.hre");
    EXPECT_EQ(root.destination, "/f.hre");
    EXPECT_EQ(CompetitionCopyPaths("/a", "/b", "f.hre").destination, "/b/f.hre");
}

TEST(CompetitionCopy, WithNoFileSelectedOnlyThatIsSaid) {
    FakeMessages messages;
    RecordingCopier copier;
    EXPECT_EQ(CopyCompetitionFiles({}, "/a", "", copier, messages), 0);
    EXPECT_EQ(messages.errors, std::vector<std::string>{"Není vybrán soubor."});
    EXPECT_TRUE(copier.calls.empty());
}

TEST(CompetitionCopy, WithNoDestinationNothingIsCopied) {
    FakeMessages messages;
    RecordingCopier copier;
    EXPECT_EQ(CopyCompetitionFiles({"x.hre"}, "/a", "", copier, messages), 0);
    EXPECT_EQ(messages.errors, std::vector<std::string>{"Není vybrán cílový adresář."});
    EXPECT_TRUE(copier.calls.empty());
}

TEST(CompetitionCopy, AFailureIsReportedAndTheNextFileStillCopied) {
    FakeMessages messages;
    RecordingCopier copier;
    copier.failAt = 0;
    EXPECT_EQ(CopyCompetitionFiles({"one.hre", "two.hre"}, "/src/", "/dst", copier, messages), 1);
    ASSERT_EQ(copier.calls.size(), 2u);
    EXPECT_EQ(copier.calls[1].second, "/dst/two.hre");
    EXPECT_EQ(messages.errors,
              std::vector<std::string>{"Nemohu zkopírovat soubor\n/src/one.hre\nna\n/dst/one.hre"});
}

TEST(CompetitionCopy, PlainCopierReplacesAFileOfTheSameName) {
    TempDir dir;
    WriteBytes(dir.path() / "a.hre", "new");
    WriteBytes(dir.path() / "b.hre", "old content");
    PlainFileCopier copier;
    EXPECT_TRUE(copier.copy((dir.path() / "a.hre").string(), (dir.path() / "b.hre").string()));
    EXPECT_EQ(FileBytes(dir.path() / "b.hre"), "new");
    // A missing source leaves the destination as it was.
    EXPECT_FALSE(copier.copy((dir.path() / "none").string(), (dir.path() / "b.hre").string()));
    EXPECT_FALSE(copier.copy((dir.path() / "a.hre").string(), (dir.path() / "no/dir/b").string()));
    EXPECT_EQ(FileBytes(dir.path() / "b.hre"), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              2);
}

struct FakeOpener : DocumentOpener {
    bool succeed = true;
    std::vector<std::filesystem::path> opened;
    bool open(const std::filesystem::path& p) override {
        opened.push_back(p);
        return succeed;
    }
};

TEST(CompetitionSubmission, AMissingFormIsExplainedWithItsPath) {
    TempDir dir;
    FakeMessages messages;
    FakeOpener opener;
    SubmitCompetitionForm(dir.path(), opener, messages);
    EXPECT_TRUE(opener.opened.empty());
    const std::string path = (dir.path() / "html" / "vysledky.htm").string();
    ASSERT_EQ(messages.informations.size(), 1u);
    EXPECT_EQ(messages.informations[0],
              "Soubor vysledky.htm není k dispozici. Buď si doplňte tento soubor \n(adresář " +
                  path +
                  ")\n nebo musíte výsledek zaslat na disketě. O způsobu zaslání disketou se \n"
                  "informujte na CD Koruu.");
}

TEST(CompetitionSubmission, TheFormOpensOrItsFailureIsExplained) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "html");
    WriteBytes(dir.path() / "html" / "vysledky.htm", "<html></html>");
    FakeMessages messages;
    FakeOpener opener;
    SubmitCompetitionForm(dir.path(), opener, messages);
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0], CompetitionFormPath(dir.path()));
    EXPECT_TRUE(messages.informations.empty());

    opener.succeed = false;
    SubmitCompetitionForm(dir.path(), opener, messages);
    ASSERT_EQ(messages.informations.size(), 1u);
    EXPECT_EQ(messages.informations[0],
              "Nemohu zpracovat formulář vysledky.htm. Je možné, že nemáte nainstalován "
              "prohlížeč HTML\nV tom případě byste museli výsledek zaslat na disketě. O způsobu "
              "zaslání disketou se \ninformujte na CD Koruu.");
}

} // namespace
} // namespace tumbla
