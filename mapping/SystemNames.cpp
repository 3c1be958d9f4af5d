#include "SystemNames.h"

#ifdef _WIN32
#include "Text.h"

#include <algorithm>
#include <array>
#include <windows.h>
#endif

namespace crestmap {

std::int64_t modifiedTime(const std::string& path)
{
    std::error_code error;
    const auto time = std::filesystem::last_write_time(pathFromBytes(path), error);
    return error ? 0 : static_cast<std::int64_t>(time.time_since_epoch().count());
}

#ifndef _WIN32

std::filesystem::path pathFromBytes(std::string_view bytes)
{
    return std::filesystem::path(std::string(bytes));
}

std::string bytesFromPath(const std::filesystem::path& path)
{
    return path.string();
}

#else

std::wstring wideFromBytes(std::string_view bytes)
{
    std::wstring wide;
    wide.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        // A surrogate's three bytes stand for itself: how bytesFromWide keeps an unpaired one.
        const Utf8Char c = decodeUtf8(bytes, i, true);
        char32_t code = c.length == 0 ? 0xFFFD : c.code;
        if (code >= 0x10000) {
            code -= 0x10000;
            wide += static_cast<wchar_t>(0xD800 + (code >> 10));
            wide += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(code);
        }
        i += std::max<std::size_t>(c.length, 1);
    }
    return wide;
}

std::string bytesFromWide(std::wstring_view wide)
{
    std::string bytes;
    bytes.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t code = static_cast<char16_t>(wide[i]);
        const bool high = code >= 0xD800 && code <= 0xDBFF;
        if (high && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<char16_t>(wide[++i]) - 0xDC00);
        }
        // An unpaired surrogate is written like any other code below U+10000.
        static constexpr std::array<char32_t, 4> leads{0x00, 0xC0, 0xE0, 0xF0};
        const int trail = code < 0x80 ? 0 : code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
        bytes += static_cast<char>(leads[trail] | (code >> (6 * trail)));
        for (int k = trail - 1; k >= 0; --k) {
            bytes += static_cast<char>(0x80 | ((code >> (6 * k)) & 0x3F));
        }
    }
    return bytes;
}

std::filesystem::path pathFromBytes(std::string_view bytes)
{
    return std::filesystem::path(wideFromBytes(bytes));
}

std::string bytesFromPath(const std::filesystem::path& path)
{
    return bytesFromWide(path.native());
}

std::string describeWindowsError(unsigned long code)
{
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length > 0 ? std::wstring(text, length) : std::wstring();
    ::LocalFree(text);
    message.erase(message.find_last_not_of(L"\r\n .") + 1);
    return message.empty() ? "error " + std::to_string(code) : bytesFromWide(message);
}

#endif

} // namespace crestmap
