#include "ConfigCheck.h"

#include "FileNames.h"
#include "InputFile.h"
#include "MappingFile.h"
#include "XmlRecordBuilder.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

namespace crestmap {

namespace {

using LineKeys = std::vector<std::pair<std::size_t, std::size_t>>; // hash of `from`, of the line

constexpr std::string_view recordStart = "<record from=\"";

void addRecordLine(LineKeys& keys, std::string_view line)
{
    const auto start = line.find_first_not_of(" \t\r");
    if (start == std::string_view::npos || line.substr(start, recordStart.size()) != recordStart) {
        return;
    }
    line.remove_prefix(start);
    const std::string_view from =
        line.substr(recordStart.size(), line.find('"', recordStart.size()) - recordStart.size());
    keys.emplace_back(std::hash<std::string_view>{}(from), std::hash<std::string_view>{}(line));
}

// Counts records added, removed and changed (same name, other target) between two documents.
std::string describeDifference(LineKeys before, LineKeys after)
{
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    std::size_t added = 0;
    std::size_t removed = 0;
    std::size_t changed = 0;
    auto b = before.begin();
    auto a = after.begin();
    while (b != before.end() || a != after.end()) {
        const std::size_t key = b == before.end()  ? a->first
                                : a == after.end() ? b->first
                                                   : std::min(a->first, b->first);
        std::size_t onlyBefore = 0;
        std::size_t onlyAfter = 0;
        while ((b != before.end() && b->first == key) || (a != after.end() && a->first == key)) {
            const bool takeBoth = b != before.end() && a != after.end() && b->first == key &&
                                  a->first == key && b->second == a->second;
            if (takeBoth) {
                ++b;
                ++a;
            } else if (b != before.end() && b->first == key &&
                       (a == after.end() || a->first != key || b->second < a->second)) {
                ++onlyBefore;
                ++b;
            } else {
                ++onlyAfter;
                ++a;
            }
        }
        const std::size_t both = std::min(onlyBefore, onlyAfter);
        changed += both;
        removed += onlyBefore - both;
        added += onlyAfter - both;
    }
    std::string text;
    const auto part = [&text](std::size_t count, std::string_view what) {
        if (count > 0) {
            text += text.empty() ? countOf(count, "record") + ' ' : std::to_string(count) + ' ';
            text += what;
            text += ", ";
        }
    };
    part(added, "added");
    part(removed, "removed");
    part(changed, "changed");
    if (text.empty()) {
        return "records that differ";
    }
    text.resize(text.size() - 2);
    return text;
}

// Compares the pieces of a document with a file's bytes as they arrive.
class FileComparer {
public:
    explicit FileComparer(InputFile& file) : m_file(file) {}

    // Never refuses a piece: the listing goes on to its end, for the sub-folders it names.
    bool compare(std::string_view piece)
    {
        if (m_same) {
            m_buffer.resize(piece.size());
            m_same = m_file.readFully(m_buffer.data(), piece.size()) == piece.size() &&
                     std::equal(piece.begin(), piece.end(), m_buffer.begin());
        }
        return true;
    }

    [[nodiscard]] bool sameToTheEnd()
    {
        char extra = 0;
        return m_same && m_file.read(&extra, 1) == 0 && !m_file.failed();
    }

private:
    InputFile& m_file;
    std::string m_buffer;
    bool m_same = true;
};

} // namespace

ConfigCheck checkFolderConfig(const std::string& folder, StylePair style,
                              const FolderWriteOptions& options)
{
    const std::string path = configPathIn(folder);
    std::optional<InputFile> file(std::in_place, path);
    std::optional<FileComparer> comparer;
    if (file->isOpen()) {
        comparer.emplace(*file);
    }
    DocumentStream stream(
        style,
        [&comparer](std::string_view piece) { return !comparer || comparer->compare(piece); }, 0,
        options.listener, folder);
    RecordFingerprint wanted;
    stream.fingerprintInto(&wanted);
    stream.findClashesWith(options.clashes);
    const FolderPass pass = streamFolder(folder, stream, options.subfolders);
    if (!pass.error.empty()) {
        return {ConfigCheck::State::Failed, pass.error};
    }
    if (options.onlyWithImages && pass.images == 0) {
        return {ConfigCheck::State::Skipped, {}};
    }
    const auto result = [&pass](ConfigCheck::State state, std::string detail) {
        return ConfigCheck{state, std::move(detail), pass.images};
    };
    if (stream.finish() && comparer && comparer->sameToTheEnd()) {
        return result(ConfigCheck::State::Current, {});
    }
    comparer.reset();
    file.reset();

    // Not byte for byte the same: what matters is whether the game would read it otherwise.
    LineKeys before;
    const MappingScan scan =
        scanMappingFile(path, [&before](std::string_view from, std::string_view to) {
            addRecordLine(before, recordLineOf(from, to));
            return true;
        });
    switch (scan.state) {
    case MappingScan::State::Missing:
        return result(ConfigCheck::State::Missing, "missing");
    case MappingScan::State::Unreadable:
        return result(ConfigCheck::State::Failed, scan.error);
    case MappingScan::State::NotMapping:
        return result(ConfigCheck::State::NotMapping, scan.error.empty()
                                                          ? "not a mapping file"
                                                          : "not a mapping file: " + scan.error);
    case MappingScan::State::Mapping:
        break;
    }
    if (scan.records == wanted && scan.defaultOptions && scan.complete) {
        return result(ConfigCheck::State::Current, "the same records in another order or layout");
    }
    if (!(scan.records == wanted)) {
        LineKeys after;
        std::string carry;
        DocumentStream again(style, [&](std::string_view piece) {
            carry += piece;
            std::size_t start = 0;
            for (auto end = carry.find('\n'); end != std::string::npos;
                 end = carry.find('\n', start)) {
                addRecordLine(after, std::string_view(carry).substr(start, end - start));
                start = end + 1;
            }
            carry.erase(0, start);
            return true;
        });
        const FolderPass second = streamFolder(folder, again);
        if (!second.error.empty()) {
            return result(ConfigCheck::State::Failed, second.error);
        }
        (void)again.finish();
        addRecordLine(after, carry);
        return result(ConfigCheck::State::Stale,
                      describeDifference(std::move(before), std::move(after)));
    }
    return result(ConfigCheck::State::Stale,
                  !scan.defaultOptions ? "other options than preload and amap off"
                  : scan.extraneous    ? "text or elements a mapping file does not hold"
                                       : "no proper end");
}

} // namespace crestmap
