#include "AtomicFile.h"

#include "FileNames.h"

std::string crestmap::AtomicFile::temporaryName(std::string_view targetName,
                                                std::string_view unique)
{
    return "." + std::string(targetName) + '-' + std::string(unique) + std::string(tempSuffix);
}

bool crestmap::AtomicFile::fail(FileError::Action action, const std::string& path,
                                std::string reason)
{
    m_error = {action, path, std::move(reason)};
    discard();
    return false;
}

crestmap::AtomicFile::~AtomicFile()
{
    discard();
}

std::string crestmap::describeForLog(const FileError& error)
{
    using Action = FileError::Action;
    if (error.action == Action::FindCache) {
        return "no cache folder: " + error.path + " not set";
    }
    static constexpr const char* verbs[] = {"list",    "read",  "create a file in",
                                            "write",   "flush", "close",
                                            "replace", "make",  "keep a copy of"};
    return std::string("cannot ") + verbs[static_cast<int>(error.action)] + ' ' + error.path +
           ": " + error.reason;
}

// The system-specific half for Windows is AtomicFileWindows.cpp.
#ifndef _WIN32

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace crestmap {

AtomicFile::AtomicFile(const std::string& target, Staging staging)
    : m_target(target), m_folder(parentFolderOf(target)), m_targetName(lastPathComponent(target))
{
    m_dirFd = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_dirFd < 0) {
        failWith(FileError::Action::Create, m_folder, errno);
        return;
    }
#ifdef O_TMPFILE
    if (staging == Staging::Unnamed) {
        // An unnamed file cannot be left behind, however the process ends before the commit.
        m_fd = ::openat(m_dirFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (m_fd >= 0) {
            m_anonymous = true;
            return;
        }
        // File systems without unnamed files say so in one of these ways.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            failWith(FileError::Action::Create, m_folder, errno);
            return;
        }
    }
#else
    (void)staging;
#endif
    openNamed();
}

template <typename Make> bool AtomicFile::takeFreeName(const Make& make)
{
    std::minstd_rand random(static_cast<unsigned>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^ ::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = temporaryName(m_targetName, std::to_string(random()));
        if (make(name.c_str())) {
            m_tempName = name;
            return true;
        }
        if (errno != EEXIST) {
            return failWith(FileError::Action::Create, m_folder, errno);
        }
    }
    return failWith(FileError::Action::Create, m_folder, EEXIST);
}

bool AtomicFile::openNamed()
{
    // Made as any file the user makes, so that the umask gives its permissions.
    return takeFreeName([this](const char* name) {
        m_fd = ::openat(m_dirFd, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return m_fd >= 0;
    });
}

bool AtomicFile::nameAnonymous()
{
    const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
    return takeFreeName([this, &self](const char* name) {
        int result = ::linkat(AT_FDCWD, self.c_str(), m_dirFd, name, AT_SYMLINK_FOLLOW);
#ifdef AT_EMPTY_PATH
        if (result != 0 && errno == ENOENT) {
            // Without /proc, only a privileged process can give the file a name.
            result = ::linkat(m_fd, "", m_dirFd, name, AT_EMPTY_PATH);
        }
#endif
        return result == 0;
    });
}

bool AtomicFile::write(std::string_view bytes)
{
    if (m_fd < 0) {
        return false;
    }
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return failWith(FileError::Action::Write, m_target, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool AtomicFile::commit()
{
    if (m_fd < 0) {
        return false;
    }
#ifdef F_FULLFSYNC
    // fsync alone leaves the data in the drive's cache on these systems.
    if (::fcntl(m_fd, F_FULLFSYNC) != 0 && ::fsync(m_fd) != 0) {
#else
    if (::fsync(m_fd) != 0) {
#endif
        return failWith(FileError::Action::Flush, m_target, errno);
    }
    // A file made read-only, or private, by its owner stays so when it is rewritten.
    struct stat old {};
    if (::fstatat(m_dirFd, m_targetName.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(old.st_mode) && ::fchmod(m_fd, old.st_mode & 07777) != 0) {
        return failWith(FileError::Action::Replace, m_target, errno);
    }
    if (m_anonymous && !nameAnonymous()) {
        return false;
    }
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        return failWith(FileError::Action::Close, m_target, errno);
    }
    if (::renameat(m_dirFd, m_tempName.c_str(), m_dirFd, m_targetName.c_str()) != 0) {
        return failWith(FileError::Action::Replace, m_target, errno);
    }
    m_tempName.clear();
    // The rename has happened; a folder that cannot be synced keeps it all the same.
    (void)::fsync(m_dirFd);
    discard();
    return true;
}

bool AtomicFile::failWith(FileError::Action action, const std::string& path, int errorNumber)
{
    return fail(action, path, std::strerror(errorNumber));
}

void AtomicFile::discard() noexcept
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempName.empty()) {
        ::unlinkat(m_dirFd, m_tempName.c_str(), 0);
        m_tempName.clear();
    }
    if (m_dirFd >= 0) {
        ::close(m_dirFd);
        m_dirFd = -1;
    }
}

} // namespace crestmap

#endif
