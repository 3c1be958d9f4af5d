#include "TestSupport.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace crestmap::test {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::random_device seed;
    do {
        m_path = fs::temp_directory_path() / ("crestmap-test-" + std::to_string(seed()));
    } while (!fs::create_directory(m_path));
}

TempDir::~TempDir()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

namespace {

void useCache(const std::string& folder)
{
#ifdef _WIN32
    ::_putenv_s("LOCALAPPDATA", folder.c_str());
#else
    ::setenv("XDG_CACHE_HOME", folder.c_str(), 1);
#endif
}

// Every test process keeps its undo journals in a cache folder of its own, never the user's.
struct PrivateCache {
    TempDir folder;
    PrivateCache() { useCache(folder.path().string()); }
};
const PrivateCache privateCache;

} // namespace

CacheFolder::CacheFolder(const std::string& folder)
{
    useCache(folder);
}

CacheFolder::~CacheFolder()
{
    useCache(privateCache.folder.path().string());
}

std::string TempDir::operator/(std::string_view name) const
{
    // In the system's own form, as the core forms the paths it reports.
    return reinterpret_cast<const char*>(
        (m_path / utf8Path(name)).make_preferred().u8string().c_str());
}

std::string expectedDocument(const std::vector<std::string>& lines)
{
    std::string text =
        "<record>\n\t<!-- resource manager options -->\n\n\t<!-- dont preload anything in this "
        "folder -->\n\t<boolean id=\"preload\" value=\"false\"/>\n\n\t<!-- turn off auto mapping "
        "-->\n\t<boolean id=\"amap\" value=\"false\"/>\n\n\t<!-- logo mappings - generated with "
        "Crestmap for Mac -->\n\t<list id=\"maps\">";
    for (const std::string& line : lines) {
        text += "\n\t\t" + line;
    }
    return text + "\n\t</list>\n</record>";
}

std::string expectedRecord(const std::string& from, const std::string& to)
{
    return "<record from=\"" + from + "\" to=\"graphics/pictures/" + to + "\"/>";
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return (std::ostringstream() << in.rdbuf()).str();
}

void writeFile(const fs::path& path, std::string_view bytes)
{
    if (!(std::ofstream(path, std::ios::binary) << bytes)) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::string editFile(const fs::path& path, std::string_view from, std::string_view to)
{
    std::string text = readFile(path);
    text.replace(text.find(from), from.size(), to);
    writeFile(path, text);
    return text;
}

void makeFiles(const fs::path& root, std::initializer_list<std::string_view> paths,
               std::string_view bytes)
{
    for (const std::string_view path : paths) {
        const fs::path file = root / utf8Path(path);
        fs::create_directories(file.parent_path());
        writeFile(file, bytes);
    }
}

void makeImages(const fs::path& folder, int count)
{
    fs::create_directories(folder);
    for (int i = 0; i < count; ++i) {
        writeFile(folder / (std::to_string(100000 + i) + ".png"), pngSignature);
    }
}

std::set<std::string> entryNames(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

#ifndef _WIN32
FileSizeLimit::FileSizeLimit(rlim_t bytes) : m_previousHandler(std::signal(SIGXFSZ, SIG_IGN))
{
    ::getrlimit(RLIMIT_FSIZE, &m_previous);
    rlimit limit = m_previous;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_previousHandler);
}

pid_t startProcess(const std::vector<std::string>& argv, const std::string& outPath,
                   const std::string& errPath, const std::vector<std::string>& environment)
{
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(::open("/dev/null", O_RDONLY), STDIN_FILENO);
        ::dup2(::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDOUT_FILENO);
        ::dup2(::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDERR_FILENO);
        for (const std::string& entry : environment) {
            ::putenv(const_cast<char*>(entry.c_str()));
        }
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    return pid;
}

int finishProcess(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

ProcessResult runProcess(const std::vector<std::string>& argv,
                         const std::vector<std::string>& environment)
{
    // Files rather than pipes: nothing to drain while the child runs, whatever it prints.
    const TempDir capture;
    const int status =
        finishProcess(startProcess(argv, capture / "out", capture / "err", environment));
    return {status, readFile(capture / "out"), readFile(capture / "err")};
}
#endif

} // namespace crestmap::test
