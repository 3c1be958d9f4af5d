#include "ImageCheck.h"

#include "FileNames.h"
#include "SystemNames.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace crestmap {

namespace {

constexpr std::string_view pngSignature = "\x89PNG\r\n\x1A\n";
constexpr std::string_view jpegSignature = "\xFF\xD8\xFF";

// What the first bytes look like, for a person deciding what went wrong.
std::string_view whatItHolds(std::string_view head)
{
    std::string lower(head);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    if (lower.find("<!doctype") != std::string::npos || lower.find("<html") != std::string::npos) {
        return "it holds HTML";
    }
    const bool text = std::all_of(head.begin(), head.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 || c == '\n' || c == '\r' || c == '\t';
    });
    return text ? "it holds text" : "it holds other data";
}

} // namespace

namespace {

// The file's first bytes, or the error number that kept them back: a folder reads as EISDIR.
struct Head {
    std::array<char, 16> bytes{};
    std::size_t size = 0;
    int error = 0;
};

Head readHead(const std::string& path)
{
    Head head;
#ifdef _WIN32
    std::error_code ignored;
    if (std::filesystem::is_directory(pathFromBytes(path), ignored)) {
        head.error = EISDIR;
        return head;
    }
    std::ifstream file(pathFromBytes(path), std::ios::binary);
    if (!file) {
        head.error = errno != 0 ? errno : EIO;
        return head;
    }
    file.read(head.bytes.data(), head.bytes.size());
    head.size = static_cast<std::size_t>(file.gcount());
#else
    // One open, one read, one close: --check reads every image of a pack this way.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        head.error = errno;
        return head;
    }
    const ssize_t got = ::read(fd, head.bytes.data(), head.bytes.size());
    head.error = got < 0 ? errno : 0;
    head.size = got < 0 ? 0 : static_cast<std::size_t>(got);
    ::close(fd);
#endif
    return head;
}

} // namespace

std::optional<std::string> imageLoadProblem(const std::string& path)
{
    const std::string_view extension = extensionOf(lastPathComponent(path));
    const std::string kind =
        std::string("not a ") +
        (extension.size() == 3 && (extension[0] == 'p' || extension[0] == 'P') ? "PNG" : "JPEG") +
        " image";
    const Head head = readHead(path);
    if (head.error == EISDIR) {
        return kind + " (a folder)";
    }
    if (head.error != 0) {
        return std::string("cannot be read: ") + std::strerror(head.error);
    }
    const std::string_view bytes(head.bytes.data(), head.size);
    if (bytes.starts_with(pngSignature) || bytes.starts_with(jpegSignature)) {
        return std::nullopt;
    }
    if (bytes.empty()) {
        return kind + " (0 bytes)";
    }
    return kind + " (" + std::string(whatItHolds(bytes)) + ")";
}

} // namespace crestmap
