// crestmap-bench [ENTRIES] [RUNS] [FOLDER]: times crestmap-cli and the bare C writer on the same
// folder, alternating runs, and reports medians, their ratio and each one's peak memory.
// crestmap-bench --tree FOLDERS IMAGES [RUNS]: times crestmap-cli --recursive on a tree against
// one crestmap-cli per folder (the children's time only), and --check on the same tree.
// crestmap-bench --check FILES [RUNS]: times crestmap-cli --check on a folder of small real PNG
// files against a bare C loop that opens each and reads its first 16 bytes.
// crestmap-bench --undo FOLDERS [RUNS]: times crestmap-cli --undo of a write of FOLDERS folders.
// The undo journals go to a cache folder of the bench's own under the temporary folder.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Sample {
    double seconds = 0;
    long peakKiB = 0;
};

Sample timeRun(const std::vector<std::string>& argv, int expectedStatus = 0)
{
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != expectedStatus) {
        std::cerr << argv[0] << " failed\n";
        std::exit(1);
    }
    return {elapsed.count(), usage.ru_maxrss};
}

struct Digest {
    std::size_t size = 0;
    std::size_t hash = 0;
    friend bool operator==(const Digest&, const Digest&) = default;
};

Digest digest(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string text = bytes.str();
    return {text.size(), std::hash<std::string>{}(text)};
}

void makeFolder(const fs::path& folder, long entries, bool announce = true)
{
    const fs::path done = folder / ".complete";
    long made = 0;
    std::ifstream marker(done);
    if (marker >> made && made == entries) {
        return;
    }
    fs::remove_all(folder);
    fs::create_directories(folder);
    if (announce) {
        std::cout << "creating " << entries << " entries in " << folder << " ..." << std::endl;
    }
    for (long i = 0; i < entries; ++i) {
        const std::string name = (folder / (std::to_string(100000 + i) + ".png")).string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0) {
            std::perror(name.c_str());
            std::exit(1);
        }
        ::close(fd);
    }
    std::ofstream(done) << entries;
}

// FOLDERS folders of IMAGES / FOLDERS images each, under one root without images of its own.
fs::path makeTree(long folders, long images)
{
    const fs::path root =
        fs::temp_directory_path() /
        ("crestmap-bench-tree-" + std::to_string(folders) + "-" + std::to_string(images));
    const fs::path done = root / ".complete";
    if (fs::exists(done)) {
        return root;
    }
    fs::remove_all(root);
    std::cout << "creating " << images << " images in " << folders << " folders of " << root
              << " ..." << std::endl;
    for (long f = 0; f < folders; ++f) {
        char name[32];
        std::snprintf(name, sizeof name, "f%04ld", f);
        makeFolder(root / name, images / folders, false);
    }
    std::ofstream(done) << images;
    return root;
}

double total(const std::vector<Sample>& samples)
{
    double seconds = 0;
    for (const Sample& s : samples) {
        seconds += s.seconds;
    }
    return seconds;
}

double median(std::vector<Sample> samples)
{
    std::sort(samples.begin(), samples.end(),
              [](const Sample& a, const Sample& b) { return a.seconds < b.seconds; });
    return samples[samples.size() / 2].seconds;
}

long peak(const std::vector<Sample>& samples)
{
    long most = 0;
    for (const Sample& s : samples) {
        most = std::max(most, s.peakKiB);
    }
    return most;
}

} // namespace

std::vector<fs::path> foldersOf(const fs::path& root)
{
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(root)) {
        if (entry.is_directory()) {
            folders.push_back(entry.path());
        }
    }
    return folders;
}

int benchTree(long folders, long images, int runs)
{
    const fs::path root = makeTree(folders, images);
    const std::vector<fs::path> each = foldersOf(root);
    std::vector<Sample> recursive;
    std::vector<Sample> check;
    std::vector<double> loop;
    for (int run = 0; run < runs; ++run) {
        std::vector<Sample> children;
        for (const fs::path& folder : each) {
            children.push_back(timeRun({CRESTMAP_CLI_PATH, folder.string()}));
        }
        loop.push_back(total(children));
        recursive.push_back(timeRun({CRESTMAP_CLI_PATH, "--recursive", root.string()}));
        check.push_back(timeRun({CRESTMAP_CLI_PATH, "--recursive", "--check", root.string()}));
    }
    std::sort(loop.begin(), loop.end());
    const double loopMedian = loop[loop.size() / 2];
    std::printf("tree of %zu folders, %ld images, runs %d\n", each.size(), images, runs);
    std::printf("one crestmap-cli per folder  median %.3f s (children only)\n", loopMedian);
    std::printf("crestmap-cli --recursive     median %.3f s  peak %.1f MiB\n", median(recursive),
                static_cast<double>(peak(recursive)) / 1024.0);
    std::printf("crestmap-cli -r --check      median %.3f s  peak %.1f MiB\n", median(check),
                static_cast<double>(peak(check)) / 1024.0);
    std::printf("ratio --recursive / per folder: %.2f\n", median(recursive) / loopMedian);
    std::printf("ratio --check / --recursive: %.2f\n", median(check) / median(recursive));
    return 0;
}

int benchCheck(long files, int runs)
{
    const fs::path folder =
        fs::temp_directory_path() / ("crestmap-bench-png-" + std::to_string(files));
    if (!fs::exists(folder / ".complete")) {
        std::cout << "creating " << files << " PNG files in " << folder << " ..." << std::endl;
        fs::remove_all(folder);
        fs::create_directories(folder);
        // A whole 1x1 PNG: signature, IHDR, IDAT and IEND.
        static const unsigned char png[] = {
            0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48,
            0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00,
            0x00, 0x90, 0x77, 0x53, 0xde, 0x00, 0x00, 0x00, 0x0c, 0x49, 0x44, 0x41, 0x54, 0x08,
            0xd7, 0x63, 0xf8, 0xcf, 0xc0, 0x00, 0x00, 0x03, 0x01, 0x01, 0x00, 0x18, 0xdd, 0x8d,
            0xb0, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
        for (long i = 0; i < files; ++i) {
            std::ofstream(folder / (std::to_string(100000 + i) + ".png"), std::ios::binary)
                .write(reinterpret_cast<const char*>(png), sizeof png);
        }
        timeRun({CRESTMAP_CLI_PATH, folder.string()});
        std::ofstream(folder / ".complete") << files;
    }
    std::vector<Sample> bare;
    std::vector<Sample> check;
    timeRun({BARE_READER_PATH, folder.string()}); // the page cache warm for both
    for (int run = 0; run < runs; ++run) {
        bare.push_back(timeRun({BARE_READER_PATH, folder.string()}));
        check.push_back(timeRun({CRESTMAP_CLI_PATH, "--check", folder.string()}));
    }
    std::printf("%ld PNG files, runs %d\n", files, runs);
    std::printf("bare reader          median %.3f s\n", median(bare));
    std::printf("crestmap-cli --check median %.3f s  peak %.1f MiB\n", median(check),
                static_cast<double>(peak(check)) / 1024.0);
    std::printf("ratio --check / bare reader: %.2f\n", median(check) / median(bare));
    return 0;
}

int benchUndo(long folders, int runs)
{
    const fs::path root = makeTree(folders, folders * 3);
    std::vector<Sample> undo;
    for (int run = 0; run < runs; ++run) {
        timeRun({CRESTMAP_CLI_PATH, "--recursive", root.string()});
        timeRun({CRESTMAP_CLI_PATH, "--recursive", "--restyle", "--style", "icon", root.string()});
        undo.push_back(timeRun({CRESTMAP_CLI_PATH, "--undo"}));
    }
    std::printf("undo of a write of %ld folders, runs %d: median %.3f s  peak %.1f MiB\n", folders,
                runs, median(undo), static_cast<double>(peak(undo)) / 1024.0);
    return 0;
}

int main(int argc, char** argv)
{
    // The journals of these writes are the bench's own, in the same file system as its folders.
    const fs::path cache = fs::temp_directory_path() / "crestmap-bench-cache";
    ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);
    if (argc > 2 && std::string_view(argv[1]) == "--undo") {
        return benchUndo(std::stol(argv[2]), argc > 3 ? std::stoi(argv[3]) : 3);
    }
    if (argc > 2 && std::string_view(argv[1]) == "--check") {
        return benchCheck(std::stol(argv[2]), argc > 3 ? std::stoi(argv[3]) : 3);
    }
    if (argc > 3 && std::string_view(argv[1]) == "--tree") {
        return benchTree(std::stol(argv[2]), std::stol(argv[3]), argc > 4 ? std::stoi(argv[4]) : 3);
    }
    const long entries = argc > 1 ? std::stol(argv[1]) : 1000000;
    const int runs = argc > 2 ? std::stoi(argv[2]) : 5;
    const fs::path folder =
        argc > 3 ? fs::path(argv[3])
                 : fs::temp_directory_path() / ("crestmap-bench-" + std::to_string(entries));
    makeFolder(folder, entries);

    std::vector<Sample> bare;
    std::vector<Sample> cli;
    std::size_t documentSize = 0;
    for (int run = 0; run < runs; ++run) {
        // Only a digest is kept: a forked child's peak memory counts what this process holds.
        bare.push_back(timeRun({BARE_WRITER_PATH, folder.string()}));
        const Digest expected = digest(folder / "config.xml");
        // A file that already holds the document is left as it is: each run writes anew.
        fs::remove(folder / "config.xml");
        cli.push_back(timeRun({CRESTMAP_CLI_PATH, folder.string()}));
        if (digest(folder / "config.xml") != expected) {
            std::cerr << "the two documents differ\n";
            return 1;
        }
        documentSize = expected.size;
    }
    std::printf("entries %ld, runs %d, document %zu bytes\n", entries, runs, documentSize);
    std::printf("bare writer   median %.3f s  peak %.1f MiB\n", median(bare),
                static_cast<double>(peak(bare)) / 1024.0);
    std::printf("crestmap-cli  median %.3f s  peak %.1f MiB\n", median(cli),
                static_cast<double>(peak(cli)) / 1024.0);
    std::printf("ratio crestmap-cli / bare: %.2f\n", median(cli) / median(bare));
    return 0;
}
