#include "FileNames.h"

#include "Text.h"

#include <algorithm>

namespace crestmap {

namespace {

std::string_view::size_type extensionDot(std::string_view name) noexcept
{
    const auto dot = name.rfind('.');
    return dot == 0 ? std::string_view::npos : dot;
}

// The characters isPathSeparator takes.
constexpr std::string_view separators = pathSeparator == '/' ? "/" : "/\\";

std::string_view::size_type lastSeparator(std::string_view path) noexcept
{
    return path.find_last_of(separators);
}

} // namespace

std::string_view lastPathComponent(std::string_view path) noexcept
{
    path = path.substr(0, std::max<std::size_t>(path.find_last_not_of(separators) + 1, 1));
    const auto slash = lastSeparator(path);
    return slash == std::string_view::npos || path.size() == 1 ? path : path.substr(slash + 1);
}

std::string parentFolderOf(std::string_view path)
{
    const auto slash = lastSeparator(path);
    if (slash == std::string_view::npos) {
        return ".";
    }
    // The root, and on Windows a drive's root, keep their separator.
    const bool root = slash == 0 || (slash == 2 && path[1] == ':');
    return std::string(path.substr(0, root ? slash + 1 : slash));
}

std::string_view extensionOf(std::string_view name) noexcept
{
    const auto dot = extensionDot(name);
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot + 1);
}

std::string_view fileNameOf(std::string_view path) noexcept
{
    const auto name = lastPathComponent(path);
    if (name == "." || name == "..") {
        return name;
    }
    return name.substr(0, extensionDot(name));
}

std::string joinPath(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    if (!path.empty() && !isPathSeparator(path.back())) {
        path += pathSeparator;
    }
    path += name;
    return path;
}

std::string configPathIn(std::string_view folder)
{
    return joinPath(folder, "config.xml");
}

std::string configPathBeside(std::string_view file)
{
    // Without a separator (npos + 1 is 0) the folder is empty and the path a bare name.
    return configPathIn(file.substr(0, lastSeparator(file) + 1));
}

EntryName classifyExtension(std::string_view extension) noexcept
{
    if (std::ranges::find(imageExtensions, extension) != imageExtensions.end()) {
        return EntryName::Image;
    }
    return std::ranges::any_of(imageExtensions,
                               [extension](auto image) { return equalsFolded(image, extension); })
               ? EntryName::ExtensionCase
               : EntryName::Other;
}

} // namespace crestmap
