#pragma once

#include <filesystem>
#include <initializer_list>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/types.h>
#endif

namespace crestmap::test {

/// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const noexcept { return m_path; }
    /// A path inside, as UTF-8 (`name` is UTF-8 too).
    [[nodiscard]] std::string operator/(std::string_view name) const;

private:
    std::filesystem::path m_path;
};

/// Keeps the undo journals in `folder` while it lives, then in the process's own cache again.
class CacheFolder {
public:
    explicit CacheFolder(const std::string& folder);
    ~CacheFolder();
    CacheFolder(const CacheFolder&) = delete;
    CacheFolder& operator=(const CacheFolder&) = delete;
};

/// Whether `text` holds `part`.
[[nodiscard]] inline bool has(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

/// The first bytes of a PNG file: enough for an image that is checked to pass as one.
inline constexpr std::string_view pngSignature = "\x89PNG\r\n\x1A\n";

/// The whole config.xml that holds these record lines, written out independently of the code.
[[nodiscard]] std::string expectedDocument(const std::vector<std::string>& lines);
/// A record line mapping `from` to graphics/pictures/`to`.
[[nodiscard]] std::string expectedRecord(const std::string& from, const std::string& to);
/// A record line mapping `name` to its club logo, the style of a write that names none.
[[nodiscard]] inline std::string logoRecord(const std::string& name)
{
    return expectedRecord(name, "club/" + name + "/logo");
}

/// A path from UTF-8 text, whatever the system's own encoding of narrow strings.
[[nodiscard]] inline std::filesystem::path utf8Path(std::string_view text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

[[nodiscard]] std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, std::string_view bytes);
/// Replaces the first `from` in a file with `to`, as a hand edit would; the file's new text.
std::string editFile(const std::filesystem::path& path, std::string_view from, std::string_view to);
/// Makes each file (a path relative to `root`, its folders made as needed) holding `bytes`.
void makeFiles(const std::filesystem::path& root, std::initializer_list<std::string_view> paths,
               std::string_view bytes = {});

/// Fills a folder, made as needed, with `count` image files named 100000.png, 100001.png and on,
/// that start as PNG files do.
void makeImages(const std::filesystem::path& folder, int count);
/// The names in a folder, sorted; for checking that nothing was left behind.
[[nodiscard]] std::set<std::string> entryNames(const std::filesystem::path& folder);

#ifndef _WIN32
/// Caps the size of files this process writes, with SIGXFSZ ignored, until destroyed.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

struct ProcessResult {
    int exitStatus = -1; ///< exit code, or minus the signal that ended it
    std::string out;
    std::string err = {};

    friend bool operator==(const ProcessResult&, const ProcessResult&) = default;
    friend void PrintTo(const ProcessResult& result, std::ostream* os)
    {
        *os << "exit " << result.exitStatus << ", out:\n" << result.out << "err:\n" << result.err;
    }
};

/// Starts a program, standard input empty, output to the given files, with NAME=value entries
/// added to its environment.
[[nodiscard]] pid_t startProcess(const std::vector<std::string>& argv, const std::string& outPath,
                                 const std::string& errPath,
                                 const std::vector<std::string>& environment = {});
/// Waits for a started program: its exit code, or minus the signal that ended it.
int finishProcess(pid_t pid);
/// Runs a program to its end and collects what it printed.
[[nodiscard]] ProcessResult runProcess(const std::vector<std::string>& argv,
                                       const std::vector<std::string>& environment = {});
#endif

} // namespace crestmap::test
