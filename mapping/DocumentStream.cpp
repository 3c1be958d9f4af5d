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
    : m_style(style), m_sink(std::move(sink)), m_listener(listener), m_folder(folder)
{
    // A record is rarely over 100 bytes.
    m_piece.reserve(std::min(pieceSize, configHeader.size() + configFooter.size() +
                                            std::max<std::size_t>(expectedFiles, 16) * 100) +
                    4096);
    m_piece += configHeader;
}

bool DocumentStream::add(std::string_view file)
{
    if (m_refused) {
        return false;
    }
    const std::size_t lineStart = m_piece.size();
    m_piece += recordLinePrefix;
    const std::string_view name = fileNameOf(file);
    if (!XmlRecordBuilder{}.appendRecord(m_piece, name, m_style.graphicStyle, m_style.subType)) {
        m_piece.resize(lineStart);
        passOver(file, *recordSkipReason(name, m_style.graphicStyle, m_style.subType));
        return true;
    }
    ++m_records;
    const std::string_view line =
        std::string_view(m_piece).substr(lineStart + recordLinePrefix.size());
    if (m_fingerprint != nullptr) {
        m_fingerprint->add(line);
    }
    if (m_clashes != nullptr) {
        m_clashes->add(recordTo(line));
    }
    if (m_listener != nullptr) {
        m_picture.clear();
        if (m_listener->wantsPictures()) {
            appendPicturePath(m_picture, name, m_style.graphicStyle, m_style.subType);
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
