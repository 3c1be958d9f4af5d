#pragma once

#include "FileError.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace crestmap {

/// Reads one folder's entries in the order the system lists them, one at a time, so that a
/// folder of any size costs the same memory. The one place that talks to the system's listing.
class FolderReader {
public:
    struct Entry {
        std::string_view name; ///< valid until the next call of next()
        bool isFolder;         ///< a real folder, not a symbolic link to one
    };

    explicit FolderReader(const std::string& folder);
    ~FolderReader();
    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;

    /// The next entry other than "." and "..", or nothing at the end or on a failure, which
    /// error() then describes.
    [[nodiscard]] std::optional<Entry> next();

    /// Set when opening or reading the folder failed.
    [[nodiscard]] const std::optional<FileError>& error() const noexcept { return m_error; }

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
    std::string m_folder;
    std::optional<FileError> m_error;
};

/// A FolderReader that, once a folder proves large, lists the rest on a thread of its own: the
/// system's listing and the work on the entries then share two cores. The order stays the same.
class FolderReadAhead {
public:
    explicit FolderReadAhead(const std::string& folder, std::size_t aloneUpTo = 8192)
        : m_reader(folder), m_alone(aloneUpTo)
    {}
    ~FolderReadAhead();
    FolderReadAhead(const FolderReadAhead&) = delete;
    FolderReadAhead& operator=(const FolderReadAhead&) = delete;

    /// As FolderReader::next(); the name is valid until the next call.
    [[nodiscard]] std::optional<FolderReader::Entry> next();
    /// After next() gave nothing: why, if the listing failed.
    [[nodiscard]] const std::optional<FileError>& error() const noexcept
    {
        return m_reader.error();
    }

private:
    struct Batch {
        std::string names;                              ///< one after another
        std::vector<std::pair<std::size_t, bool>> ends; ///< where each ends, and isFolder
    };
    void listAhead();

    FolderReader m_reader;
    std::size_t m_alone;
    Batch m_current;
    std::size_t m_taken = 0;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Batch> m_ready;
    bool m_done = false;
    bool m_stop = false;
    std::thread m_lister;
};

/// Handles one folder of a walk and fills in the names of the real sub-folders it found.
using FolderVisitor =
    std::function<void(const std::string& folder, std::vector<std::string>& subfolders)>;

/// Visits `root` and every folder below it, each parent before its children and siblings in
/// the order their parent lists them. Only the folders a visitor reports are entered, so
/// symbolic links are never followed and a folder that cannot be read ends only its branch.
void walkFolders(const std::string& root, const FolderVisitor& visit);

/// How many image entries `folder` holds, by their names, and its real sub-folders' names.
struct FolderSurvey {
    std::size_t images = 0;
    std::vector<std::string> subfolders;
    std::optional<FileError> error;
};
[[nodiscard]] FolderSurvey surveyFolder(const std::string& folder);

/// Whether a folder below `folder`, at any depth, holds an image entry; stops at the first.
[[nodiscard]] bool imagesBelow(const std::string& folder);

} // namespace crestmap
