// The Windows half of AtomicFile: a hidden temporary file beside the target, flushed, then
// renamed over the target in one step.

#include "AtomicFile.h"
#include "FileNames.h"
#include "SystemNames.h"

#include <random>
#include <windows.h>

namespace crestmap {

namespace {

std::wstring wideIn(const std::string& folder, std::string_view name)
{
    return wideFromBytes(joinPath(folder, name));
}

} // namespace

AtomicFile::AtomicFile(const std::string& target, Staging)
    : m_target(target), m_folder(parentFolderOf(target)), m_targetName(lastPathComponent(target)),
      m_handle(INVALID_HANDLE_VALUE)
{
    openNamed();
}

bool AtomicFile::openNamed()
{
    std::random_device seed;
    std::minstd_rand random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = temporaryName(m_targetName, std::to_string(random()));
        m_handle = ::CreateFileW(wideIn(m_folder, name).c_str(), GENERIC_WRITE, 0, nullptr,
                                 CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (m_handle != INVALID_HANDLE_VALUE) {
            m_tempName = name;
            return true;
        }
        if (::GetLastError() != ERROR_FILE_EXISTS) {
            break;
        }
    }
    return fail(FileError::Action::Create, m_folder, describeWindowsError(::GetLastError()));
}

bool AtomicFile::write(std::string_view bytes)
{
    if (m_handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    while (!bytes.empty()) {
        const auto piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(m_handle, bytes.data(), piece, &written, nullptr)) {
            return fail(FileError::Action::Write, m_target, describeWindowsError(::GetLastError()));
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool AtomicFile::commit()
{
    if (m_handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    if (!::FlushFileBuffers(m_handle)) {
        return fail(FileError::Action::Flush, m_target, describeWindowsError(::GetLastError()));
    }
    ::CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
    const std::wstring temp = wideIn(m_folder, m_tempName);
    const std::wstring target = wideFromBytes(m_target);
    // Windows refuses to replace a read-only file or a folder, but not every file system that
    // carries its API does; asking first makes the answer the same everywhere.
    const DWORD existing = ::GetFileAttributesW(target.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return fail(FileError::Action::Replace, m_target, "it is a folder");
    }
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY) != 0) {
        return fail(FileError::Action::Replace, m_target,
                    describeWindowsError(ERROR_ACCESS_DENIED));
    }
    // The new file is hidden only while it is temporary.
    ::SetFileAttributesW(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
    // A rename that replaces the target in one step. ReplaceFileW would also carry the old
    // file's attributes over, but where it fails it can leave a file of its own behind.
    // A reader without delete sharing (a virus scanner, an indexer) holds a file a moment: the
    // rename is tried again for a while before it counts as failed.
    for (int attempt = 0; !::MoveFileExW(temp.c_str(), target.c_str(),
                                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
         ++attempt) {
        const DWORD error = ::GetLastError();
        if (attempt == 40 || (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)) {
            return fail(FileError::Action::Replace, m_target, describeWindowsError(error));
        }
        ::Sleep(25);
    }
    m_tempName.clear();
    return true;
}

void AtomicFile::discard() noexcept
{
    if (m_handle != INVALID_HANDLE_VALUE) {
        ::CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }
    if (!m_tempName.empty()) {
        ::DeleteFileW(wideIn(m_folder, m_tempName).c_str());
        m_tempName.clear();
    }
}

} // namespace crestmap
