#include "ImageCheck.h"

#include "FileNames.h"
#include "Text.h"

#include <algorithm>
#include <array>

namespace crestmap {

namespace {

constexpr std::string_view pngSignature = "\x89PNG\r\n\x1A\n";
constexpr std::string_view jpegSignature = "\xFF\xD8\xFF";

// What the first bytes look like, for a person deciding what went wrong.
ImageProblem::Holds whatItHolds(std::string_view head)
{
    std::string lower(head);
    std::transform(lower.begin(), lower.end(), lower.begin(), foldCase);
    if (lower.find("<!doctype") != std::string::npos || lower.find("<html") != std::string::npos) {
        return ImageProblem::Holds::Html;
    }
    const bool text = std::all_of(head.begin(), head.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x20 || c == '\n' || c == '\r' || c == '\t';
    });
    return text ? ImageProblem::Holds::Text : ImageProblem::Holds::OtherData;
}

} // namespace

std::optional<ImageProblem> imageLoadProblem(const std::string& path)
{
    const std::string_view extension = extensionOf(lastPathComponent(path));
    ImageProblem problem;
    problem.png = extension.size() == 3 && foldCase(extension[0]) == 'p';
    // One open, one read, one close: a check reads every image of a pack this way.
    InputFile file(path);
    std::array<char, 16> head{};
    const std::size_t size = file.isOpen() ? file.readFully(head.data(), head.size()) : 0;
    switch (file.state()) {
    case InputFile::State::NotRegular:
        problem.holds = ImageProblem::Holds::NotAFile;
        problem.kind = file.kind();
        return problem;
    case InputFile::State::Missing:
    case InputFile::State::Unreadable:
        problem.holds = ImageProblem::Holds::Unreadable;
        problem.reason = file.error();
        return problem;
    case InputFile::State::Open:
        break;
    }
    const std::string_view bytes(head.data(), size);
    if (bytes.starts_with(pngSignature) || bytes.starts_with(jpegSignature)) {
        return std::nullopt;
    }
    problem.holds = bytes.empty() ? ImageProblem::Holds::Nothing : whatItHolds(bytes);
    return problem;
}

} // namespace crestmap
