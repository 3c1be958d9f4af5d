#include "ConfigBuilder.h"

#include "AtomicFile.h"
#include "FileNames.h"
#include "FolderReader.h"
#include "Hash.h"
#include "InputFile.h"
#include "XmlRecordBuilder.h"

#include <algorithm>

namespace crestmap {

namespace {

// On Windows an unreadable config.xml is mostly one another program holds open: its replace
// fails, and says so.
#ifdef _WIN32
constexpr bool refusesUnreadable = false;
#else
constexpr bool refusesUnreadable = true;
#endif

// The new config.xml, made only when the first piece arrives so that a folder left alone is
// never touched. It digests what it writes and compares it with the file it would replace, so
// that a file that already holds it stays as it is, and Undo can tell later whether the new
// one is still what was written.
class ConfigSink {
public:
    explicit ConfigSink(std::string path) : m_path(std::move(path)) {}

    bool write(std::string_view piece)
    {
        if (!m_file) {
            m_file.emplace(m_path);
            m_old.emplace(m_path);
            m_comparer.emplace(*m_old);
        }
        m_digest.add(piece);
        m_comparer->compare(piece);
        return m_file->write(piece);
    }

    // Whether the old file held the document byte for byte; once, after the last piece.
    [[nodiscard]] bool unchanged() { return m_comparer->sameToTheEnd(); }

    [[nodiscard]] bool replacesFile() const noexcept { return m_old && m_old->isOpen(); }

    // A file that cannot be read can be neither compared nor kept for Undo: it is not replaced.
    [[nodiscard]] std::optional<FileError> unreadableOld() const
    {
        if (!refusesUnreadable || !m_old || !m_old->failed()) {
            return std::nullopt;
        }
        return FileError{FileError::Action::Read, m_path, m_old->error()};
    }

    // The records of the replaced file that the new one lacks, by the keys of the new one's;
    // and whether it held any mapping at all.
    [[nodiscard]] std::size_t recordsLost(const ClashFinder& clashes,
                                          std::span<const std::uint64_t> sortedKeys, bool& foreign)
    {
        std::size_t lost = 0;
        if (m_old && m_old->rewind()) {
            const MappingScan scan =
                scanMappingFile(*m_old, [&](std::string_view from, std::string_view to) {
                    const std::uint64_t key = clashes.key(recordLineOf(from, to));
                    lost += std::ranges::binary_search(sortedKeys, key) ? 0 : 1;
                    return true;
                });
            foreign = scan.state == MappingScan::State::NotMapping && !scan.empty;
        }
        return lost;
    }

    // Tells the listener just before the new file takes the old one's place.
    bool commit(WriteListener* listener)
    {
        m_comparer.reset();
        m_old.reset();
        if (listener != nullptr) {
            listener->replacing(m_path);
        }
        return m_file->commit();
    }

    [[nodiscard]] std::optional<FileError> error() const
    {
        return m_file ? std::optional(m_file->error()) : std::nullopt;
    }
    [[nodiscard]] const Digest& digest() const noexcept { return m_digest; }

private:
    std::string m_path;
    std::optional<AtomicFile> m_file;
    std::optional<InputFile> m_old;
    std::optional<FileComparer> m_comparer;
    Digest m_digest;
};

using Feed = std::function<FolderPass(DocumentStream&)>;
using Outcome = FolderAccount::Outcome;

// The one write: the entries `feed` gives, into the config.xml at `path` of `folder`, told to the
// listener as entries of `names` (empty when the entries are the whole paths of `files`). Given
// no clash finder, it looks for the clashes among its own entries.
WriteResult write(const std::string& path, const std::string& folder, std::string_view names,
                  StylePair style, std::span<const std::string> files, const Feed& feed,
                  std::ostream& errors, const FolderWriteOptions& options)
{
    ClashFinder own;
    ClashFinder& clashes = options.clashes != nullptr ? *options.clashes : own;
    const std::size_t mark = clashes.mark();
    ConfigSink file(path);
    DocumentStream stream(
        style, [&file](std::string_view piece) { return file.write(piece); }, files.size(),
        options.listener, names);
    stream.findClashesWith(&clashes);
    const FolderPass pass = feed(stream);
    WriteResult result;
    result.records = stream.records();
    FolderAccount account;
    account.folder = folder;
    account.configPath = path;
    account.records = result.records;
    account.images = pass.images;
    account.style = style;
    account.existing = options.existing;
    const bool wanted =
        !pass.cancelled && !pass.error && !(options.onlyWithImages && pass.images == 0);
    const bool streamed = wanted && stream.finish();
    // Held or stopped here, nothing of this folder has changed on disk yet.
    const bool stopped = streamed && options.control != nullptr && !options.control->proceed();
    if (pass.cancelled || stopped) {
        account.outcome = Outcome::Cancelled; // nothing committed: the old file stays
    } else if (pass.error) {
        account.outcome = Outcome::Unreadable;
        account.error = result.error = pass.error;
    } else if (!wanted) {
        account.outcome = Outcome::NoImages;
    } else if (const auto unreadable = streamed ? file.unreadableOld() : std::nullopt) {
        account.outcome = Outcome::Unreadable;
        account.error = result.error = unreadable;
    } else if (streamed && file.unchanged()) {
        account.outcome = Outcome::Unchanged;
        result.written = result.unchanged = true;
    } else if (streamed) {
        if (file.replacesFile()) {
            const std::span<std::uint64_t> keys = clashes.keysSince(mark);
            std::ranges::sort(keys);
            account.recordsLost = file.recordsLost(clashes, keys, account.replacedForeign);
        }
        if (options.last && options.clashes != nullptr) {
            // No more records will come: clashes are looked for while the disk takes the file.
            options.clashes->settleMeanwhile();
        }
        result.written = file.commit(options.listener);
        account.outcome = result.written ? Outcome::Written : Outcome::Unwritable;
        account.bytes = file.digest().size();
        account.digest = file.digest().value();
    }
    if (account.outcome == Outcome::Unwritable) {
        account.error = result.error = file.error();
        errors << "Unexpected error: " << describeForLog(*result.error) << ".\n" << std::flush;
    }
    if (options.lookBelow && pass.images == 0 && account.outcome == Outcome::Written) {
        account.imagesBelow = imagesBelow(folder);
    }
    if (options.listener != nullptr) {
        options.listener->folder(account);
    }
    if (result && options.clashes == nullptr && options.listener != nullptr && own.settle()) {
        reportFolderClashes({{std::string(names), style}}, own, *options.listener, files);
    }
    return result;
}

} // namespace

std::optional<std::size_t> ConfigBuilder::streamDocument(std::span<const std::string> files,
                                                         StylePair style, const DocumentSink& sink,
                                                         WriteListener* listener)
{
    DocumentStream stream(style, sink, files.size(), listener);
    return streamFiles(files, stream) && stream.finish() ? std::optional(stream.records())
                                                         : std::nullopt;
}

std::optional<FileError> ConfigBuilder::streamFolderDocument(const std::string& folder,
                                                             StylePair style,
                                                             const DocumentSink& sink,
                                                             WriteListener* listener)
{
    DocumentStream stream(style, sink, 0, listener, folder);
    const FolderPass pass = streamFolder(folder, stream);
    if (!pass.error) {
        (void)stream.finish();
    }
    return pass.error;
}

WriteResult ConfigBuilder::writeConfig(const std::string& path, std::span<const std::string> files,
                                       std::int64_t graphicStyle, std::int64_t subType,
                                       std::ostream& errors, const FolderWriteOptions& options)
{
    const auto feed = [files](DocumentStream& stream) {
        (void)streamFiles(files, stream);
        return FolderPass{files.size(), {}, false};
    };
    // The files are named by their whole paths, not within a folder.
    return write(path, parentFolderOf(path), {}, {graphicStyle, subType}, files, feed, errors,
                 options);
}

WriteResult ConfigBuilder::writeFolderConfig(const std::string& folder, StylePair style,
                                             std::ostream& errors,
                                             const FolderWriteOptions& options)
{
    const auto feed = [&](DocumentStream& stream) {
        return streamFolder(folder, stream, options.subfolders, options.control);
    };
    return write(configPathIn(folder), folder, folder, style, {}, feed, errors, options);
}

void reportFolderClashes(const std::vector<std::pair<std::string, StylePair>>& folders,
                         const ClashFinder& clashes, WriteListener& listener,
                         std::span<const std::string> files, std::size_t told)
{
    std::vector<ClashingImage> clashing;
    std::string line;
    // Adds an image to those whose line may clash, when the finder nominates it.
    const auto nominate = [&](const RecordShape& shape, const std::string& folder,
                              std::string_view name, bool tell) {
        if (classifyEntryName(lastPathComponent(name)) != EntryName::Image) {
            return;
        }
        line.clear();
        const RecordShape::Appended made = shape.append(line, fileNameOf(name));
        if (!made.reason && clashes.nominates(line)) {
            clashing.push_back({line.substr(made.toStart, made.toEnd - made.toStart), folder,
                                std::string(name), tell});
        }
    };
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const auto& [folder, style] = folders[i];
        const RecordShape shape(style);
        for (const std::string& name : files) {
            nominate(shape, folder, name, i < told);
        }
        if (files.empty()) {
            FolderReader reader(folder);
            while (const auto entry = reader.next()) {
                nominate(shape, folder, entry->name, i < told);
            }
        }
    }
    reportClashes(std::move(clashing), listener);
}

} // namespace crestmap
