#include "DocumentStream.h"

#include "ConfigBuilder.h"
#include "FileNames.h"
#include "XmlRecordBuilder.h"

#include <algorithm>

namespace crestmap {

namespace {

// Big enough that a million records cost a few dozen writes, small enough to stay unnoticed.
constexpr std::size_t pieceSize = std::size_t{1} << 20;

} // namespace

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
    const std::size_t lineStart = m_piece.size();
    m_piece += recordLinePrefix;
    const RecordShape::Appended line = m_shape.append(m_piece, stem);
    if (line.reason) {
        m_piece.resize(lineStart);
        passOver(file, *line.reason);
        return true;
    }
    ++m_records;
    if (m_fingerprint != nullptr) {
        m_fingerprint->add(std::string_view(m_piece).substr(lineStart + recordLinePrefix.size()));
    }
    if (m_clashes != nullptr) {
        m_clashes->add(std::string_view(m_piece).substr(line.toStart, line.toEnd - line.toStart));
    }
    if (m_detail != EntryDetail::Skips) {
        m_picture.clear();
        if (m_detail == EntryDetail::Pictures) {
            m_shape.appendPicture(m_picture, stem);
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

} // namespace crestmap
