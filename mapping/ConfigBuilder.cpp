#include "ConfigBuilder.h"

#include "AtomicFile.h"
#include "FileNames.h"
#include "FolderListing.h"
#include "FolderReader.h"
#include "InputFile.h"
#include "MappingFile.h"
#include "XmlRecordBuilder.h"

namespace crestmap {

namespace {

// The new config.xml, made only when the first piece arrives so that a folder left alone is
// never touched. It digests what it writes, and compares it with the file it will replace, so
// that the account can say whether that file is still what was written, and whether it changed.
class ConfigSink {
public:
    explicit ConfigSink(std::string path) : m_path(std::move(path)) {}

    bool write(std::string_view piece)
    {
        if (!m_file) {
            m_file.emplace(m_path);
            m_old.emplace(m_path);
            m_same = m_old->isOpen();
        }
        m_digest.add(piece);
        if (m_same) {
            m_buffer.resize(piece.size());
            m_same = m_old->readFully(m_buffer.data(), piece.size()) == piece.size() &&
                     std::string_view(m_buffer) == piece;
        }
        return m_file->write(piece);
    }

    // Tells the listener just before the new file takes the old one's place.
    bool commit(WriteListener* listener)
    {
        if (!m_file) {
            return false;
        }
        char extra = 0;
        m_same = m_same && m_old->read(&extra, 1) == 0 && !m_old->failed();
        m_old.reset();
        if (listener != nullptr) {
            listener->replacing(m_path);
        }
        return m_file->commit();
    }

    [[nodiscard]] std::string error() const { return m_file ? m_file->error() : std::string(); }

    // What was written, for the folder's account.
    void stamp(FolderAccount& account) const
    {
        account.bytes = m_digest.size();
        account.digest = m_digest.value();
        account.unchanged = m_same;
    }

private:
    std::string m_path;
    std::optional<AtomicFile> m_file;
    std::optional<InputFile> m_old;
    std::string m_buffer;
    Digest m_digest;
    bool m_same = false;
};

WriteResult failed(WriteResult result, std::string error, std::ostream& errors)
{
    result.written = false;
    result.error = std::move(error);
    errors << "Unexpected error: " << result.error << ".\n" << std::flush;
    return result;
}

// Closes a folder's account with what its write came to.
void tell(WriteListener* listener, const std::string& folder, const std::string& configPath,
          const WriteResult& result, StylePair style, const ConfigSink* written,
          bool leftAlone = false)
{
    if (listener == nullptr) {
        return;
    }
    using Outcome = FolderAccount::Outcome;
    FolderAccount account{folder,
                          configPath,
                          result      ? Outcome::Written
                          : leftAlone ? Outcome::LeftAlone
                                      : Outcome::Failed,
                          result.records,
                          result.files,
                          result.error,
                          style};
    if (result && written != nullptr) {
        written->stamp(account);
    }
    listener->folder(account);
}

// Adds an image to those whose picture may clash, when the finder nominates it; `line` is room
// to make its record line in, the shape that of its folder's style.
void nominate(std::vector<ClashingImage>& clashing, const ClashFinder& clashes,
              const RecordShape& shape, std::string& line, const std::string& folder,
              std::string_view name)
{
    line.clear();
    const RecordShape::Appended made = shape.append(line, fileNameOf(name));
    const std::string_view picture =
        std::string_view(line).substr(made.toStart, made.toEnd - made.toStart);
    if (!made.reason && clashes.nominates(picture)) {
        clashing.emplace_back(ClashingImage{std::string(picture), folder, std::string(name)});
    }
}

} // namespace

FolderPass streamFolder(const std::string& folder, DocumentStream& stream,
                        std::vector<std::string>* subfolders, const std::atomic<bool>* cancel)
{
    FolderReader reader(folder);
    FolderPass pass;
    bool feeding = true;
    std::size_t seen = 0;
    while (const auto entry = reader.next()) {
        // Often enough to stop within a moment, rarely enough to cost nothing.
        if (cancel != nullptr && ++seen % 512 == 0 && cancel->load(std::memory_order_relaxed)) {
            pass.cancelled = true;
            return pass;
        }
        if (entry->isFolder && subfolders != nullptr) {
            subfolders->emplace_back(entry->name);
        }
        const std::string_view extension = extensionOf(entry->name);
        switch (classifyExtension(extension)) {
        case EntryName::Image:
            ++pass.images;
            feeding = feeding &&
                      stream.addEntry(entry->name, entry->name.substr(0, entry->name.size() -
                                                                             extension.size() - 1));
            // A refused piece ends the document; a walk still needs the sub-folders.
            if (!feeding && subfolders == nullptr) {
                return pass;
            }
            break;
        case EntryName::ExtensionCase:
            stream.passOver(entry->name, SkipReason::ExtensionCase);
            break;
        case EntryName::Other:
            break;
        }
    }
    pass.error = reader.error();
    return pass;
}

std::optional<std::size_t> ConfigBuilder::streamDocument(std::span<const std::string> files,
                                                         std::int64_t graphicStyle,
                                                         std::int64_t subType,
                                                         const DocumentSink& sink,
                                                         WriteListener* listener)
{
    DocumentStream stream({graphicStyle, subType}, sink, files.size(), listener);
    for (const std::string& file : files) {
        if (!addHandedOver(stream, file)) {
            return std::nullopt;
        }
    }
    if (!stream.finish()) {
        return std::nullopt;
    }
    return stream.records();
}

std::string ConfigBuilder::streamFolderDocument(const std::string& folder, StylePair style,
                                                const DocumentSink& sink, WriteListener* listener)
{
    DocumentStream stream(style, sink, 0, listener, folder);
    const FolderPass pass = streamFolder(folder, stream);
    if (!pass.error.empty()) {
        return pass.error;
    }
    return stream.finish() ? std::string() : "the document could not be handed on";
}

WriteResult ConfigBuilder::writeConfig(const std::string& path, std::span<const std::string> files,
                                       std::int64_t graphicStyle, std::int64_t subType,
                                       std::ostream& errors, WriteListener* listener)
{
    const StylePair style{graphicStyle, subType};
    ConfigSink file(path);
    DocumentStream stream(
        style, [&file](std::string_view piece) { return file.write(piece); }, files.size(),
        listener);
    ClashFinder clashes;
    stream.findClashesWith(&clashes);
    WriteResult result;
    result.files = files.size();
    bool streamed = true;
    for (const std::string& name : files) {
        if (!(streamed = addHandedOver(stream, name))) {
            break;
        }
    }
    streamed = streamed && stream.finish();
    result.records = stream.records();
    if (!streamed || !file.commit(listener)) {
        result = failed(std::move(result), file.error(), errors);
    } else {
        result.written = true;
    }
    tell(listener, parentFolderOf(path), path, result, style, &file);
    if (result && listener != nullptr && clashes.settle()) {
        std::vector<ClashingImage> clashing;
        const RecordShape shape(style);
        std::string line;
        for (const std::string& name : files) {
            if (classifyEntryName(lastPathComponent(name)) == EntryName::Image) {
                nominate(clashing, clashes, shape, line, {}, name);
            }
        }
        reportClashes(std::move(clashing), *listener);
    }
    return result;
}

bool addHandedOver(DocumentStream& stream, const std::string& file)
{
    // The rule of a folder's listing: the same images get records however they are named.
    switch (classifyEntryName(lastPathComponent(file))) {
    case EntryName::Image:
        return stream.add(file);
    case EntryName::ExtensionCase:
        stream.passOver(file, SkipReason::ExtensionCase);
        return true;
    case EntryName::Other:
        stream.passOver(file, SkipReason::NotAnImage);
        return true;
    }
    return true;
}

void reportFolderClashes(const std::vector<std::pair<std::string, StylePair>>& folders,
                         const ClashFinder& clashes, WriteListener& listener)
{
    std::vector<ClashingImage> clashing;
    std::string line;
    for (const auto& [folder, style] : folders) {
        const RecordShape shape(style);
        FolderReader reader(folder);
        while (const auto entry = reader.next()) {
            if (classifyEntryName(entry->name) == EntryName::Image) {
                nominate(clashing, clashes, shape, line, folder, entry->name);
            }
        }
    }
    reportClashes(std::move(clashing), listener);
}

WriteResult ConfigBuilder::writeFolderConfig(const std::string& folder, StylePair style,
                                             std::ostream& errors,
                                             const FolderWriteOptions& options)
{
    const std::string configPath = configPathIn(folder);
    ConfigSink file(configPath);
    DocumentStream stream(
        style, [&file](std::string_view piece) { return file.write(piece); }, 0, options.listener,
        folder);
    stream.findClashesWith(options.clashes);
    const FolderPass pass = streamFolder(folder, stream, options.subfolders, options.cancel);
    WriteResult result;
    result.files = pass.images;
    result.records = stream.records();
    if (pass.cancelled) {
        // Nothing committed: the old file stays, and the new one is discarded with `file`.
        if (options.listener != nullptr) {
            options.listener->folder(
                {folder, configPath, FolderAccount::Outcome::Cancelled, 0, pass.images, {}, style});
        }
        return result;
    }
    if (!pass.error.empty()) {
        result = failed(std::move(result), pass.error, errors);
        tell(options.listener, folder, configPath, result, style, nullptr);
        return result;
    }
    if (options.onlyWithImages && pass.images == 0) {
        tell(options.listener, folder, configPath, result, style, nullptr, true);
        return result;
    }
    const bool finished = stream.finish();
    if (finished && options.last && options.clashes != nullptr) {
        // No more records will come: clashes are looked for while the disk takes the file.
        options.clashes->settleMeanwhile();
    }
    if (!finished || !file.commit(options.listener)) {
        result = failed(std::move(result), file.error(), errors);
    } else {
        result.written = true;
    }
    tell(options.listener, folder, configPath, result, style, &file);
    return result;
}

} // namespace crestmap
