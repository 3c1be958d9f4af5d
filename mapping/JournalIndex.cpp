#include "JournalIndex.h"

#include "AtomicFile.h"
#include "FileNames.h"
#include "Hash.h"
#include "InputFile.h"
#include "SystemNames.h"
#include "Text.h"

#include <cstdlib>
#include <sstream>

namespace crestmap {

namespace {

constexpr std::string_view indexMagic = "crestmap-undo 2";

std::optional<std::string> environment(const char* name)
{
#ifdef _WIN32
    const std::wstring wide(name, name + std::char_traits<char>::length(name));
    const wchar_t* value = ::_wgetenv(wide.c_str());
    return value != nullptr && *value != L'\0' ? std::optional(bytesFromWide(value)) : std::nullopt;
#else
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::optional<std::string>(value) : std::nullopt;
#endif
}

// Paths may hold any byte but NUL, new lines among them: the index keeps them in hexadecimal.
std::string field(std::string_view bytes)
{
    return bytes.empty() ? "-" : hexOf(bytes);
}

std::optional<std::string> unfield(std::string_view text)
{
    return text == "-" ? std::optional<std::string>("") : bytesOfHex(text);
}

bool plainName(std::string_view name)
{
    return !name.empty() && name.find_first_of("/\\.") == name.npos;
}

std::string readSmallFile(const std::string& path)
{
    InputFile file(path);
    std::string text;
    (void)file.readEach([&text](std::string_view piece) {
        text += piece;
        return true;
    });
    return text;
}

// The index of the journal `name`; nothing when it is gone or damaged.
std::optional<Journal> readJournal(const std::string& undoRoot, const std::string& name)
{
    if (!name.starts_with("w-") || !plainName(name)) {
        return std::nullopt;
    }
    std::istringstream lines(readSmallFile(joinPath(joinPath(undoRoot, name), journalIndex)));
    std::string line;
    Journal journal;
    journal.name = name;
    std::string where;
    std::optional<std::string> folder;
    if (!std::getline(lines, line) || line != indexMagic || !std::getline(lines, line) ||
        !(std::istringstream(line) >> journal.time >> journal.program >> where) ||
        !(folder = unfield(where))) {
        return std::nullopt;
    }
    journal.where = *folder;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string path;
        std::string kept;
        std::string link;
        JournalEntry entry;
        if (!(fields >> path >> kept >> link >> entry.keptSize >> entry.keptTime >>
              entry.after.size >> entry.after.digest)) {
            return std::nullopt;
        }
        const auto configPath = unfield(path);
        const auto linkTarget = unfield(link);
        if (!configPath || configPath->empty() || !linkTarget ||
            (kept != "-" && !plainName(kept))) {
            return std::nullopt;
        }
        entry.configPath = *configPath;
        entry.kept = kept == "-" ? std::string() : kept;
        entry.linkTarget = *linkTarget;
        journal.entries.push_back(std::move(entry));
    }
    return journal;
}

} // namespace

UndoFolder undoFolder()
{
#ifdef _WIN32
    if (const auto local = environment("LOCALAPPDATA")) {
        return {*local + "\\crestmap\\undo", {}};
    }
    return {{}, FileError{FileError::Action::FindCache, "LOCALAPPDATA", {}}};
#else
    if (const auto cache = environment("XDG_CACHE_HOME"); cache && cache->front() == '/') {
        return {*cache + "/crestmap/undo", {}};
    }
    if (const auto home = environment("HOME")) {
        return {*home + "/.cache/crestmap/undo", {}};
    }
    return {{}, FileError{FileError::Action::FindCache, "XDG_CACHE_HOME or HOME", {}}};
#endif
}

std::optional<FileStamp> stampFile(const std::string& path)
{
    InputFile file(path);
    Digest digest;
    const bool read = file.readEach([&digest](std::string_view piece) {
        digest.add(piece);
        return true;
    });
    return read ? std::optional(FileStamp{digest.size(), digest.value()}) : std::nullopt;
}

std::optional<FileError> writeSmallFile(const std::string& path, std::string_view text)
{
    AtomicFile file(path);
    if (file.write(text) && file.commit()) {
        return std::nullopt;
    }
    return file.error();
}

std::optional<FileError> writeJournal(const std::string& undoRoot, const Journal& journal)
{
    std::ostringstream text;
    text << indexMagic << '\n'
         << journal.time << ' ' << journal.program << ' ' << field(journal.where) << '\n';
    for (const JournalEntry& entry : journal.entries) {
        text << field(entry.configPath) << ' ' << (entry.kept.empty() ? "-" : entry.kept) << ' '
             << field(entry.linkTarget) << ' ' << entry.keptSize << ' ' << entry.keptTime << ' '
             << entry.after.size << ' ' << entry.after.digest << '\n';
    }
    return writeSmallFile(joinPath(joinPath(undoRoot, journal.name), journalIndex), text.str());
}

std::optional<Journal> lastWrite(const UndoFolder& where)
{
    if (where.path.empty()) {
        return std::nullopt;
    }
    return readJournal(where.path, readSmallFile(joinPath(where.path, lastJournal)));
}

} // namespace crestmap
