#pragma once

#include "Clashes.h"
#include "FileNames.h"
#include "SkipReason.h"
#include "StyleSelectors.h"
#include "WriteAccount.h"
#include "XmlRecordBuilder.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace crestmap {

/// Receives the document in pieces; returning false stops the stream.
using DocumentSink = std::function<bool(std::string_view piece)>;

/// A record as a check compares it: keys of its `from` value and of its whole line.
struct RecordKey {
    std::uint64_t from = 0;
    std::uint64_t line = 0;
    friend auto operator<=>(const RecordKey&, const RecordKey&) = default;
};

/// Makes config.xml one file at a time and hands it on in pieces of bounded size, each ending
/// after a whole record, so that the document is never held whole, whatever the number of files.
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

    /// Also collects each record's line for clashes, or its keys for a check.
    void findClashesWith(ClashFinder* clashes) noexcept { m_clashes = clashes; }
    void collectKeys(std::vector<RecordKey>* keys) noexcept { m_keys = keys; }

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
    ClashFinder* m_clashes = nullptr;
    std::vector<RecordKey>* m_keys = nullptr;
    bool m_refused = false;
};

/// Keys of a record as written in a file.
[[nodiscard]] RecordKey recordKeyOf(std::string_view from, std::string_view to);

} // namespace crestmap
