#include "ImageCheck.h"

#include "FileNames.h"
#include "SystemNames.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

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

std::optional<std::string> imageLoadProblem(const std::string& path)
{
    const std::string_view extension = extensionOf(lastPathComponent(path));
    const std::string kind =
        std::string("not a ") +
        (extension.size() == 3 && (extension[0] == 'p' || extension[0] == 'P') ? "PNG" : "JPEG") +
        " image";
    std::error_code error;
    const auto status = std::filesystem::status(pathFromBytes(path), error);
    if (std::filesystem::is_directory(status)) {
        return kind + " (a folder)";
    }
    std::ifstream file(pathFromBytes(path), std::ios::binary);
    if (!file) {
        return std::string("cannot be read: ") + std::strerror(errno);
    }
    std::array<char, 16> bytes{};
    file.read(bytes.data(), bytes.size());
    const std::string_view head(bytes.data(), static_cast<std::size_t>(file.gcount()));
    if (head.starts_with(pngSignature) || head.starts_with(jpegSignature)) {
        return std::nullopt;
    }
    if (head.empty()) {
        return kind + " (0 bytes)";
    }
    return kind + " (" + std::string(whatItHolds(head)) + ")";
}

} // namespace crestmap
