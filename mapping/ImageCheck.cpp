#include "ImageCheck.h"

#include "FileNames.h"
#include "InputFile.h"

#include <algorithm>
#include <array>

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
    // One open, one read, one close: --check reads every image of a pack this way.
    InputFile file(path);
    std::array<char, 16> head{};
    const std::size_t size = file.isOpen() ? file.readFully(head.data(), head.size()) : 0;
    switch (file.state()) {
    case InputFile::State::NotRegular:
        return kind + " (" + std::string(file.kind()) + ")";
    case InputFile::State::Missing:
    case InputFile::State::Unreadable:
        return "cannot be read: " + file.error();
    case InputFile::State::Open:
        break;
    }
    const std::string_view bytes(head.data(), size);
    if (bytes.starts_with(pngSignature) || bytes.starts_with(jpegSignature)) {
        return std::nullopt;
    }
    if (bytes.empty()) {
        return kind + " (0 bytes)";
    }
    return kind + " (" + std::string(whatItHolds(bytes)) + ")";
}

} // namespace crestmap
