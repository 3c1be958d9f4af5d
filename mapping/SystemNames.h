#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace crestmap {

/// The core keeps names as bytes: on POSIX what the system gives, on Windows UTF-8 made from
/// UTF-16, where an unpaired surrogate keeps its place as a three-byte sequence that no valid
/// UTF-8 has (WTF-8), so that such a name is never mapped but can still be opened.
[[nodiscard]] std::filesystem::path pathFromBytes(std::string_view bytes);

/// A path's bytes, the inverse of pathFromBytes.
[[nodiscard]] std::string bytesFromPath(const std::filesystem::path& path);

/// When the file at `path` was last modified, in the file system's own units; 0 when unknown.
[[nodiscard]] std::int64_t modifiedTime(const std::string& path);

#ifdef _WIN32
[[nodiscard]] std::wstring wideFromBytes(std::string_view bytes);
[[nodiscard]] std::string bytesFromWide(std::wstring_view wide);
/// The system's description of a Windows error code, in UTF-8, without a final full stop.
[[nodiscard]] std::string describeWindowsError(unsigned long code);
#endif

} // namespace crestmap
