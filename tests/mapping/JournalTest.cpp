#include "PackWalk.h"
#include "TestSupport.h"
#include "UndoJournal.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace crestmap {
namespace {

namespace fs = std::filesystem;
using test::expectedDocument;
using test::expectedRecord;
using test::readFile;
using test::TempDir;
using test::writeFile;

struct Losses : WriteTally {
    void folder(const FolderAccount& f) override
    {
        WriteTally::folder(f);
        lost[std::string(fs::path(std::string(f.folder)).filename().string())] = f.recordsLost;
    }
    std::map<std::string, std::size_t> lost;
};

// Writes `folders` of `root` as club logos, journalled in `where`; `why`, when given, is told
// why the journal could not be kept.
Losses write(const TempDir& root, const std::vector<std::string>& folders, const UndoFolder& where,
             std::string* why = nullptr)
{
    Losses account;
    UndoJournal journal(account, where);
    PackRequest request;
    request.style = StylePair{1, 1};
    for (const std::string& folder : folders) {
        request.folders.push_back(root / folder);
    }
    std::ostringstream errors;
    (void)writePack(root.path().string(), request, journal, errors);
    if (!journal.seal() && why != nullptr) {
        *why = journal.error();
    }
    EXPECT_EQ(why == nullptr, journal.available()) << journal.error();
    return account;
}

std::string logos(std::initializer_list<const char*> names)
{
    std::vector<std::string> lines;
    for (const char* name : names) {
        lines.push_back(expectedRecord(name, "club/" + std::string(name) + "/logo"));
    }
    return expectedDocument(lines);
}

// Undo puts back the folders whose write completed, byte for byte, and removes what it made;
// a folder that failed is not its business.
TEST(UndoJournal, PutsBackWhatEachCompletedWriteReplacedAndNothingElse)
{
    const TempDir root;
    const TempDir cache;
    const UndoFolder where{cache / "undo", {}};
    test::makeFiles(root.path(), {"a/1.png", "b/1.png", "c/1.png", "d/1.png"});
    const std::string oldA = logos({"1", "7", "8"}) + "\n";
    const std::string oldB = logos({"9"});
    writeFile(root / "a/config.xml", oldA);
    writeFile(root / "b/config.xml", oldB);
    fs::create_directory(root / "d/config.xml");
    const Losses account = write(root, {"a", "b", "c", "d"}, where);
    EXPECT_EQ(account.lost,
              (std::map<std::string, std::size_t>{{"a", 2}, {"b", 1}, {"c", 0}, {"d", 0}}));
    EXPECT_EQ(lastWriteSize(where), 3u);

    const UndoOutcome undone = undoLastWrite(where);
    EXPECT_EQ(undone.restored, (std::vector{root / "a/config.xml", root / "b/config.xml"}));
    EXPECT_EQ(undone.removed, std::vector{root / "c/config.xml"});
    EXPECT_TRUE(undone.changedSince.empty() && undone.failed.empty());
    EXPECT_EQ(readFile(root / "a/config.xml"), oldA);
    EXPECT_EQ(readFile(root / "b/config.xml"), oldB);
    EXPECT_FALSE(fs::exists(root / "c/config.xml"));
    EXPECT_TRUE(fs::is_directory(root / "d/config.xml"));
    EXPECT_FALSE(undoLastWrite(where).nothing.empty()) << "a journal is spent by its undo";
}

// The last sealed write is the one undone, whatever else ran at the same time; a file changed
// since, or a kept copy that was changed, is left alone and said so.
TEST(UndoJournal, UndoesOnlyTheLastWriteAndNothingChangedSince)
{
    const TempDir root;
    const TempDir cache;
    const UndoFolder where{cache / "undo", {}};
    test::makeFiles(root.path(), {"x/1.png", "y/1.png"});
    writeFile(root / "x/config.xml", "old x");
    writeFile(root / "y/config.xml", "old y");
    {
        Losses first;
        Losses second;
        UndoJournal one(first, where);
        UndoJournal two(second, where);
        PackRequest request;
        request.folders = {root / "x"};
        std::ostringstream errors;
        (void)writePack(root.path().string(), request, one, errors);
        request.folders = {root / "y"};
        (void)writePack(root.path().string(), request, two, errors);
        ASSERT_TRUE(one.seal() && two.seal());
    }
    EXPECT_EQ(undoLastWrite(where).restored, std::vector{root / "y/config.xml"});
    EXPECT_EQ(readFile(root / "x/config.xml"), logos({"1"}));
    EXPECT_EQ(readFile(root / "y/config.xml"), "old y");

    (void)write(root, {"x"}, where);
    writeFile(root / "x/config.xml", "changed by hand");
    EXPECT_EQ(undoLastWrite(where).changedSince, std::vector{root / "x/config.xml"});
    EXPECT_EQ(readFile(root / "x/config.xml"), "changed by hand");

    (void)write(root, {"y"}, where);
    for (const auto& item : fs::recursive_directory_iterator(cache.path())) {
        if (item.path().filename() == "0") {
            writeFile(item.path(), "edited copy");
        }
    }
    const UndoOutcome edited = undoLastWrite(where);
    ASSERT_EQ(edited.failed.size(), 1u);
    EXPECT_TRUE(test::has(edited.failed.front(), "kept copy")) << edited.failed.front();
    EXPECT_EQ(readFile(root / "y/config.xml"), logos({"1"}));
}

// Without a journal the write still happens; only its undo is missing, and why is said.
TEST(UndoJournal, AFolderThatCannotHoldItLeavesTheWriteAndSaysWhy)
{
    const TempDir root;
    test::makeFiles(root.path(), {"1.png", "file"});
    std::string why;
    const Losses account = write(root, {"."}, {root / "file/undo", {}}, &why);
    EXPECT_EQ(account.foldersWritten(), 1u);
    EXPECT_TRUE(test::has(why, "cannot make " + (root / "file/undo") + ": ")) << why;
    EXPECT_EQ(readFile(root / "config.xml"), logos({"1"}));
}

} // namespace
} // namespace crestmap
