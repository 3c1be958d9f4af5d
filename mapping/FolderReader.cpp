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

namespace {

std::string describe(const std::string& folder, int errorNumber)
{
    return "cannot list " + folder + ": " + std::strerror(errorNumber);
}

} // namespace

FolderReader::FolderReader(const std::string& folder)
    : m_handle(std::make_unique<Handle>()), m_folder(folder)
{
    m_handle->dir = ::opendir(folder.c_str());
    if (m_handle->dir == nullptr) {
        m_error = describe(folder, errno);
    }
}

FolderReader::~FolderReader() = default;

bool FolderReader::isOpen() const noexcept
{
    return m_handle->dir != nullptr;
}

std::optional<FolderReader::Entry> FolderReader::next()
{
    if (!isOpen() || !m_error.empty()) {
        return std::nullopt;
    }
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(m_handle->dir);
        if (entry == nullptr) {
            // The end and a failure look alike but for errno; a lost error would pass a
            // half-read folder off as whole.
            if (errno != 0) {
                m_error = describe(m_folder, errno);
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
