// The Windows half of FolderReader: the wide-character listing, names turned into the core's
// bytes.

#include "FileNames.h"
#include "FolderReader.h"
#include "SystemNames.h"

#include <windows.h>

namespace crestmap {

struct FolderReader::Handle {
    HANDLE find = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW data{};
    bool pending = false; ///< `data` holds an entry not yet handed out
    std::string name;
    ~Handle()
    {
        if (find != INVALID_HANDLE_VALUE) {
            ::FindClose(find);
        }
    }
};

FolderReader::FolderReader(const std::string& folder)
    : m_handle(std::make_unique<Handle>()), m_folder(folder)
{
    m_handle->find =
        ::FindFirstFileW(wideFromBytes(joinPath(folder, "*")).c_str(), &m_handle->data);
    if (m_handle->find == INVALID_HANDLE_VALUE) {
        m_error =
            FileError{FileError::Action::List, folder, describeWindowsError(::GetLastError())};
        return;
    }
    m_handle->pending = true;
}

FolderReader::~FolderReader() = default;

std::optional<FolderReader::Entry> FolderReader::next()
{
    if (m_error) {
        return std::nullopt;
    }
    for (;;) {
        if (!m_handle->pending) {
            if (!::FindNextFileW(m_handle->find, &m_handle->data)) {
                if (const DWORD error = ::GetLastError(); error != ERROR_NO_MORE_FILES) {
                    m_error =
                        FileError{FileError::Action::List, m_folder, describeWindowsError(error)};
                }
                return std::nullopt;
            }
        }
        m_handle->pending = false;
        const std::wstring_view wide(m_handle->data.cFileName);
        if (wide == L"." || wide == L"..") {
            continue;
        }
        m_handle->name = bytesFromWide(wide);
        const DWORD attributes = m_handle->data.dwFileAttributes;
        // Junctions and symbolic links to folders are not walked into, as on POSIX.
        const bool isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
                              (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
        return Entry{m_handle->name, isFolder};
    }
}

} // namespace crestmap
