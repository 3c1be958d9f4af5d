#include "FileLock.h"
#include "FileNames.h"
#include "PackWalk.h"
#include "TestSupport.h"
#include "UndoRecorder.h"
#include "UndoReplay.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace crestmap {
namespace {

namespace fs = std::filesystem;
using test::expectedDocument;
using test::expectedRecord;
using test::logoRecord;
using test::readFile;
using test::TempDir;
using test::writeFile;
using Strings = std::vector<std::string>;

struct Losses : WriteTally {
    void folder(const FolderAccount& f) override
    {
        WriteTally::folder(f);
        lost[fs::path(std::string(f.folder)).filename().string()] = f.recordsLost;
    }
    std::map<std::string, std::size_t> lost;
};

// Writes `folders` of `root` in `style`, journalled in `where`; `why`, when given, is told why
// the journal could not be kept.
Losses write(const TempDir& root, const Strings& folders, const UndoFolder& where,
             StylePair style = {1, 1}, std::optional<FileError>* why = nullptr)
{
    Losses account;
    UndoRecorder journal(account, "crestmap-cli", root.path().string(), where);
    PackRequest request;
    request.style = style;
    for (const std::string& folder : folders) {
        request.folders.push_back(root / folder);
    }
    std::ostringstream errors;
    (void)writePack(root.path().string(), request, journal, errors);
    const bool sealed = journal.seal();
    if (why != nullptr) {
        *why = journal.error();
    }
    EXPECT_EQ(why == nullptr, sealed);
    return account;
}

// Each test's pack, and the cache that keeps its journal.
struct UndoJournal : ::testing::Test {
    const TempDir root;
    const TempDir cache;
    const UndoFolder where{cache / "undo", {}};
};

// Undo puts back the folders whose write completed, byte for byte, and removes what it made;
// a folder that failed is not its business.
TEST_F(UndoJournal, PutsBackWhatEachCompletedWriteReplacedAndNothingElse)
{
    test::makeFiles(root.path(), {"a/1.png", "b/1.png", "c/1.png", "d/1.png"});
    const std::string oldA =
        expectedDocument({logoRecord("1"), logoRecord("7"), logoRecord("8")}) + "\n";
    const std::string oldB = expectedDocument({logoRecord("9")});
    writeFile(root / "a/config.xml", oldA);
    writeFile(root / "b/config.xml", oldB);
    fs::create_directory(root / "d/config.xml");
    const Losses account = write(root, {"a", "b", "c", "d"}, where);
    EXPECT_EQ(account.lost,
              (std::map<std::string, std::size_t>{{"a", 2}, {"b", 1}, {"c", 0}, {"d", 0}}));
    const auto last = lastWrite(where);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->entries.size(), 3u);
    EXPECT_EQ(last->program, "crestmap-cli");
    EXPECT_EQ(last->where, root.path().string());

    const UndoOutcome undone = undoLastWrite(where);
    EXPECT_EQ(undone.restored, (Strings{root / "a/config.xml", root / "b/config.xml"}));
    EXPECT_EQ(undone.removed, Strings{root / "c/config.xml"});
    EXPECT_FALSE(undone.keeps());
    EXPECT_EQ(readFile(root / "a/config.xml"), oldA);
    EXPECT_EQ(readFile(root / "b/config.xml"), oldB);
    EXPECT_FALSE(fs::exists(root / "c/config.xml"));
    EXPECT_TRUE(fs::is_directory(root / "d/config.xml"));
    EXPECT_EQ(undoLastWrite(where).nothing, UndoOutcome::Nothing::NoWrite) << "spent by its undo";
}

// A file changed since is left alone, and its old copy stays until the user puts it back over
// the edit; a kept copy changed by hand is no longer what was replaced, and is never put back.
TEST_F(UndoJournal, KeepsWhatItLeavesAloneUntilItIsForced)
{
    test::makeFiles(root.path(), {"x/1_a.png", "y/1.png", "z/1.png", "w/1.png"});
    const std::string kits = expectedDocument({expectedRecord("1_a", "team/1/kits/a")});
    writeFile(root / "x/config.xml", kits);
    writeFile(root / "y/config.xml", "old y");
    (void)write(root, {"x", "y", "z", "w"}, where, {2, 1});
    const std::string first = lastWrite(where)->name;
    // One the write made and the user edited has no old copy: forced, it goes.
    writeFile(root / "w/config.xml", readFile(root / "w/config.xml") + "<!-- mine -->");
    // An edit that keeps the size is an edit all the same.
    std::string handEdited = readFile(root / "x/config.xml");
    handEdited.replace(handEdited.rfind("record"), 6, "RECORD");
    writeFile(root / "x/config.xml", handEdited);
    fs::remove(root / "z/config.xml");

    for (int round = 0; round < 2; ++round) {
        const UndoOutcome left = undoLastWrite(where);
        EXPECT_EQ(left.changedSince, (Strings{root / "x/config.xml", root / "w/config.xml"}))
            << round;
        EXPECT_EQ(left.madeChangedSince, 1u) << round;
        EXPECT_EQ(left.restored, round == 0 ? Strings{root / "y/config.xml"} : Strings{});
        EXPECT_EQ(left.alreadyBack, round == 0 ? Strings{root / "z/config.xml"} : Strings{});
        EXPECT_EQ(readFile(root / "x/config.xml"), handEdited);
    }
    const UndoOutcome forced = undoLastWrite(where, {{}, true});
    EXPECT_EQ(forced.restored, Strings{root / "x/config.xml"});
    EXPECT_EQ(forced.removed, Strings{root / "w/config.xml"});
    EXPECT_EQ(readFile(root / "x/config.xml"), kits);
    EXPECT_EQ(readFile(root / "y/config.xml"), "old y");
    EXPECT_FALSE(undoLastWrite(where).keeps());

    // Forced over a file deleted since, the old one comes back; over an edited copy, nothing.
    (void)write(root, {"x", "y"}, where, {2, 1});
    fs::remove(root / "x/config.xml");
    for (const auto& item : fs::recursive_directory_iterator(cache.path())) {
        if (item.path().filename() == "1") {
            writeFile(item.path(), "edited copy");
        }
    }
    const std::string icons = readFile(root / "y/config.xml");
    // The window undoes the write it made, never one made since.
    EXPECT_EQ(undoLastWrite(where, {first, true}).nothing, UndoOutcome::Nothing::AnotherWrite);
    const UndoOutcome edited = undoLastWrite(where, {{}, true});
    EXPECT_EQ(edited.restored, Strings{root / "x/config.xml"});
    ASSERT_EQ(edited.failed.size(), 1u);
    EXPECT_EQ(edited.failed[0].why, UndoOutcome::Failure::Why::CopyChanged);
    EXPECT_EQ(readFile(root / "y/config.xml"), icons);
    EXPECT_EQ(lastWrite(where)->entries.size(), 1u) << "kept for another try";
}

// Without a journal the write still happens; only its undo is missing, and why is said. Two
// undos at once: the second says so and touches nothing.
TEST_F(UndoJournal, AFolderThatCannotHoldItOrABusyOneSaysWhy)
{
    test::makeFiles(root.path(), {"1.png", "file"});
    std::optional<FileError> why;
    const Losses account = write(root, {"."}, {root / "file/undo", {}}, {1, 1}, &why);
    EXPECT_EQ(account.folders(FolderAccount::Outcome::Written), 1u);
    ASSERT_TRUE(why);
    EXPECT_EQ(why->action, FileError::Action::MakeFolder);
    EXPECT_EQ(why->path, root / "file/undo");
    EXPECT_EQ(readFile(root / "config.xml"), expectedDocument({logoRecord("1")}));

    (void)write(root, {"."}, where, {2, 1});
    {
        const FileLock other(joinPath(where.path, "undoing"), FileLock::Wait::No);
        ASSERT_TRUE(other.held());
        EXPECT_EQ(undoLastWrite(where).nothing, UndoOutcome::Nothing::Busy);
    }
    EXPECT_EQ(undoLastWrite(where).restored.size(), 1u);
#ifndef _WIN32
    // A cache folder that cannot be looked into is said to be so, not taken for a busy one.
    fs::create_directory_symlink(cache / "loop", cache / "loop");
    const UndoOutcome blocked = undoLastWrite({cache / "loop/undo", {}});
    EXPECT_EQ(blocked.nothing, UndoOutcome::Nothing::NoCacheFolder);
    ASSERT_TRUE(blocked.cacheError);
    EXPECT_EQ(blocked.cacheError->path, cache / "loop/undo");
#endif
}

} // namespace
} // namespace crestmap
