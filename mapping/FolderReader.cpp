#include "FolderReader.h"

// The system-specific half for Windows is FolderReaderWindows.cpp.
#ifndef _WIN32

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace crestmap {

struct FolderReader::Handle {
    DIR* dir = nullptr;
    ~Handle()
    {
        if (dir != nullptr) {
            ::closedir(dir);
        }
    }
};

FolderReader::FolderReader(const std::string& folder)
    : m_handle(std::make_unique<Handle>()), m_folder(folder)
{
    m_handle->dir = ::opendir(folder.c_str());
    if (m_handle->dir == nullptr) {
        m_error = FileError{FileError::Action::List, folder, std::strerror(errno)};
    }
}

FolderReader::~FolderReader() = default;

std::optional<FolderReader::Entry> FolderReader::next()
{
    if (m_error) {
        return std::nullopt;
    }
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(m_handle->dir);
        if (entry == nullptr) {
            // The end and a failure look alike but for errno; a lost error would pass a
            // half-read folder off as whole.
            if (errno != 0) {
                m_error = FileError{FileError::Action::List, m_folder, std::strerror(errno)};
            }
            return std::nullopt;
        }
        const std::string_view name(entry->d_name);
        if (name == "." || name == "..") {
            continue;
        }
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            isFolder =
                ::fstatat(::dirfd(m_handle->dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISDIR(info.st_mode);
        }
        return Entry{name, isFolder};
    }
}

} // namespace crestmap

#endif

// What every system shares: walking a tree with the reader.
#include "FileNames.h"

#include <algorithm>
#include <cstdint>
#include <system_error>

namespace crestmap {

FolderReadAhead::~FolderReadAhead()
{
    if (m_lister.joinable()) {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        m_lister.join();
    }
}

std::optional<FolderReader::Entry> FolderReadAhead::next()
{
    if (m_alone > 0) {
        --m_alone;
        return m_reader.next();
    }
    if (!m_lister.joinable()) {
        try {
            m_lister = std::thread([this] { listAhead(); });
        } catch (const std::system_error&) {
            // Without a thread to spare the folder is listed here, as a small one is.
            m_alone = SIZE_MAX;
            return m_reader.next();
        }
    }
    while (m_taken == m_current.ends.size()) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_ready.empty() || m_done; });
        if (m_ready.empty()) {
            return std::nullopt;
        }
        m_current = std::move(m_ready.front());
        m_ready.pop_front();
        m_taken = 0;
        lock.unlock();
        m_changed.notify_all();
    }
    const std::size_t start = m_taken == 0 ? 0 : m_current.ends[m_taken - 1].first;
    const auto [end, isFolder] = m_current.ends[m_taken++];
    return FolderReader::Entry{std::string_view(m_current.names).substr(start, end - start),
                               isFolder};
}

void FolderReadAhead::listAhead()
{
    // Batches of a few thousand names: few hand-overs, and two of them in memory at the most.
    constexpr std::size_t batchSize = 4096;
    for (bool more = true; more;) {
        Batch batch;
        while (batch.ends.size() < batchSize) {
            const auto entry = m_reader.next();
            if (!entry) {
                more = false;
                break;
            }
            batch.names += entry->name;
            batch.ends.emplace_back(batch.names.size(), entry->isFolder);
        }
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_ready.size() < 2 || m_stop; });
        if (m_stop) {
            return;
        }
        m_ready.push_back(std::move(batch));
        m_done = !more;
        lock.unlock();
        m_changed.notify_all();
    }
}

void walkFolders(const std::string& root, const FolderVisitor& visit)
{
    // An explicit stack: a tree as deep as the system allows cannot exhaust the call stack.
    std::vector<std::string> pending{root};
    std::vector<std::string> subfolders;
    while (!pending.empty()) {
        const std::string folder = std::move(pending.back());
        pending.pop_back();
        subfolders.clear();
        visit(folder, subfolders);
        std::for_each(subfolders.rbegin(), subfolders.rend(),
                      [&](const std::string& name) { pending.push_back(joinPath(folder, name)); });
    }
}

FolderSurvey surveyFolder(const std::string& folder)
{
    FolderReader reader(folder);
    FolderSurvey survey;
    while (const auto entry = reader.next()) {
        if (entry->isFolder) {
            survey.subfolders.emplace_back(entry->name);
        }
        survey.images += classifyEntryName(entry->name) == EntryName::Image ? 1 : 0;
    }
    survey.error = reader.error();
    return survey;
}

bool imagesBelow(const std::string& folder)
{
    bool found = false;
    walkFolders(folder, [&](const std::string& next, std::vector<std::string>& subfolders) {
        // Once one is found, the folders still pending are passed over unread.
        if (!found) {
            FolderSurvey survey = surveyFolder(next);
            found = survey.images > 0 && next != folder;
            subfolders = std::move(survey.subfolders);
        }
    });
    return found;
}

} // namespace crestmap
