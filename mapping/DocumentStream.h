#pragma once

#include "Clashes.h"
#include "FileNames.h"
#include "MappingFile.h"
#include "SkipReason.h"
#include "StyleSelectors.h"
#include "WriteAccount.h"
#include "XmlRecordBuilder.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace crestmap {

/// Receives the document in pieces; returning false stops the stream.
using DocumentSink = std::function<bool(std::string_view piece)>;

/// Makes config.xml one file at a time and hands it on in pieces of bounded size, so that the
/// document is never held whole, whatever the number of files.
class DocumentStream {
public:
    /// `expectedFiles` only sizes the first piece, so that small documents stay small. The
    /// listener, when there is one, is told what became of each entry of `folder`.
    DocumentStream(StylePair style, DocumentSink sink, std::size_t expectedFiles = 0,
                   WriteListener* listener = nullptr, std::string_view folder = {});

    /// Adds the record of one file (a path or a bare name), when it gets one; false once the
    /// sink has refused a piece.
    bool add(std::string_view file) { return addEntry(file, fileNameOf(file)); }
    /// The same for a folder's entry, by its whole name and the name it is mapped by.
    bool addEntry(std::string_view name, std::string_view stem);

    /// Also fingerprints the record lines, and collects their pictures to find clashes.
    void fingerprintInto(RecordFingerprint* fingerprint) noexcept { m_fingerprint = fingerprint; }
    void findClashesWith(ClashFinder* clashes) noexcept { m_clashes = clashes; }

    /// Notes an entry passed over before it could be mapped, such as a .PNG in a folder.
    void passOver(std::string_view name, SkipReason reason);

    /// Closes the document and hands on the rest; false when the sink refused a piece.
    bool finish();

    [[nodiscard]] std::size_t records() const noexcept { return m_records; }

private:
    RecordShape m_shape;
    EntryDetail m_detail; ///< what the listener wants to hear of each record
    DocumentSink m_sink;
    WriteListener* m_listener;
    std::string_view m_folder;
    std::string m_piece;
    std::string m_picture;
    std::size_t m_records = 0;
    RecordFingerprint* m_fingerprint = nullptr;
    ClashFinder* m_clashes = nullptr;
    bool m_refused = false;
};

} // namespace crestmap
