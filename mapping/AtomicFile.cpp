#include "AtomicFile.h"

#include "FileNames.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace crestmap {

namespace {

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Reading the umask without changing it needs /proc; the set-and-restore fallback is only
// racy against other threads creating files, which this process does not do meanwhile.
mode_t currentUmask() noexcept
{
    if (FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned int mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status) != nullptr) {
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        }
        std::fclose(status);
        if (found) {
            return static_cast<mode_t>(mask);
        }
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

void syncFolder(const std::string& folder) noexcept
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // The rename has happened; a folder that cannot be synced keeps it all the same.
        (void)::fsync(fd);
        ::close(fd);
    }
}

} // namespace

AtomicFile::AtomicFile(std::string target) : m_target(std::move(target))
{
    const std::string folder = folderOf(m_target);
    std::string pattern = folder == "/" ? "/" : folder + "/";
    pattern += tempPrefix;
    pattern += lastPathComponent(m_target);
    pattern += "-XXXXXX";
    pattern += tempSuffix;

    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    m_fd = ::mkostemps(name.data(), static_cast<int>(tempSuffix.size()), O_CLOEXEC);
    if (m_fd < 0) {
        fail("cannot create a file in", folder, errno);
        return;
    }
    m_tempPath.assign(name.data());
}

AtomicFile::~AtomicFile()
{
    discard();
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
            return fail("cannot write", m_tempPath, errno);
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
    // mkstemp makes the file private; the document should look like any file the user makes.
    if (::fchmod(m_fd, 0666 & ~currentUmask()) != 0) {
        return fail("cannot set the permissions of", m_tempPath, errno);
    }
    if (::fsync(m_fd) != 0) {
        return fail("cannot flush", m_tempPath, errno);
    }
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        return fail("cannot close", m_tempPath, errno);
    }
    if (::rename(m_tempPath.c_str(), m_target.c_str()) != 0) {
        return fail("cannot replace", m_target, errno);
    }
    m_tempPath.clear();
    syncFolder(folderOf(m_target));
    return true;
}

bool AtomicFile::fail(std::string_view what, const std::string& subject, int errorNumber)
{
    m_error.assign(what);
    m_error += ' ';
    m_error += subject;
    m_error += ": ";
    m_error += std::strerror(errorNumber);
    discard();
    return false;
}

void AtomicFile::discard() noexcept
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.empty()) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
    }
}

} // namespace crestmap
