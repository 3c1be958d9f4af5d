#include "DocumentStream.h"

#include "FileNames.h"
#include "FolderReader.h"
#include "Hash.h"

#include <algorithm>

namespace crestmap {

namespace {

// Big enough that a million records cost a few dozen writes, small enough to stay unnoticed.
constexpr std::size_t pieceSize = std::size_t{1} << 20;
constexpr std::size_t fromOffset = 14; // after <record from="
constexpr std::size_t toLead = 6;      // " to=" between the values

} // namespace

RecordKey recordKeyOf(std::string_view from, std::string_view to)
{
    return {hash64(from), hash64(recordLineOf(from, to))};
}

DocumentStream::DocumentStream(StylePair style, DocumentSink sink, std::size_t expectedFiles,
                               WriteListener* listener, std::string_view folder)
    : m_shape(style), m_detail(listener != nullptr ? listener->entryDetail() : EntryDetail::Skips),
      m_sink(std::move(sink)), m_listener(listener), m_folder(folder)
{
    // A record is rarely over 100 bytes.
    m_piece.reserve(std::min(pieceSize, configHeader.size() + configFooter.size() +
                                            std::max<std::size_t>(expectedFiles, 16) * 100) +
                    4096);
    m_piece += configHeader;
}

bool DocumentStream::addEntry(std::string_view file, std::string_view stem)
{
    if (m_refused) {
        return false;
    }
    const std::size_t lineStart = m_piece.size() + recordLinePrefix.size();
    const RecordShape::Appended line = m_shape.append(m_piece, stem, true);
    if (line.reason) {
        passOver(file, *line.reason);
        return true;
    }
    ++m_records;
    const std::string_view whole = std::string_view(m_piece).substr(lineStart);
    if (m_clashes != nullptr) {
        m_clashes->add(whole);
    }
    if (m_keys != nullptr) {
        const std::size_t fromEnd = line.toStart - toLead - lineStart;
        m_keys->push_back({hash64(whole.substr(fromOffset, fromEnd - fromOffset)), hash64(whole)});
    }
    if (m_detail != EntryDetail::Skips) {
        m_picture.clear();
        if (m_detail == EntryDetail::Pictures) {
            // The picture is the `to` value, but for the entities of a name that needs them.
            const std::string_view to =
                std::string_view(m_piece).substr(line.toStart, line.toEnd - line.toStart);
            if (to.find('&') == to.npos) {
                m_picture.assign(to);
            } else {
                m_picture = *m_shape.picture(stem);
            }
        }
        m_listener->entry({m_folder, file, m_picture, std::nullopt});
    }
    if (m_piece.size() >= pieceSize) {
        m_refused = !m_sink(m_piece);
        m_piece.clear();
    }
    return !m_refused;
}

void DocumentStream::passOver(std::string_view name, SkipReason reason)
{
    if (m_listener != nullptr) {
        m_listener->entry({m_folder, name, {}, reason});
    }
}

bool DocumentStream::finish()
{
    if (m_refused) {
        return false;
    }
    m_piece += configFooter;
    m_refused = !m_sink(m_piece);
    m_piece.clear();
    return !m_refused;
}

FolderPass streamFolder(const std::string& folder, DocumentStream& stream,
                        std::vector<std::string>* subfolders, JobControl* control)
{
    FolderReadAhead reader(folder);
    FolderPass pass;
    bool feeding = true;
    std::size_t seen = 0;
    while (const auto entry = reader.next()) {
        // Often enough to stop within a moment, rarely enough to cost nothing.
        if (control != nullptr && ++seen % 512 == 0 && !control->proceed()) {
            pass.cancelled = true;
            return pass;
        }
        if (entry->isFolder && subfolders != nullptr) {
            subfolders->emplace_back(entry->name);
        }
        std::string_view stem;
        const EntryName kind = classifyEntryName(entry->name, &stem);
        if (kind == EntryName::ExtensionCase) {
            stream.passOver(entry->name, SkipReason::ExtensionCase);
        } else if (kind == EntryName::Image) {
            ++pass.images;
            feeding = feeding && stream.addEntry(entry->name, stem);
            // A refused piece ends the document; a walk still needs the sub-folders.
            if (!feeding && subfolders == nullptr) {
                return pass;
            }
        }
    }
    pass.error = reader.error();
    return pass;
}

bool streamFiles(std::span<const std::string> files, DocumentStream& stream)
{
    for (const std::string& file : files) {
        // The same images get records however they are named.
        const EntryName kind = classifyEntryName(lastPathComponent(file));
        if (kind != EntryName::Image) {
            stream.passOver(file, kind == EntryName::ExtensionCase ? SkipReason::ExtensionCase
                                                                   : SkipReason::NotAnImage);
        } else if (!stream.addEntry(file, fileNameOf(file))) {
            return false;
        }
    }
    return true;
}

} // namespace crestmap
