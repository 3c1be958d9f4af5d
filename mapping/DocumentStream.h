#pragma once

#include "Clashes.h"
#include "FileError.h"
#include "JobControl.h"
#include "SkipReason.h"
#include "StyleSelectors.h"
#include "WriteAccount.h"
#include "XmlRecordBuilder.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace crestmap {

/// The fixed opening of config.xml: it switches off preloading and automatic mapping.
inline constexpr std::string_view configHeader =
    "<record>\n"
    "\t<!-- resource manager options -->\n"
    "\n"
    "\t<!-- dont preload anything in this folder -->\n"
    "\t<boolean id=\"preload\" value=\"false\"/>\n"
    "\n"
    "\t<!-- turn off auto mapping -->\n"
    "\t<boolean id=\"amap\" value=\"false\"/>\n"
    "\n"
    "\t<!-- logo mappings - generated with Crestmap for Mac -->\n"
    "\t<list id=\"maps\">";

/// What stands before every record line.
inline constexpr std::string_view recordLinePrefix = "\n\t\t";

/// The fixed closing of config.xml; the document ends without a line feed.
inline constexpr std::string_view configFooter = "\n\t</list>\n</record>";

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

    /// Adds the record of an entry or file, by its whole name and the name it is mapped by, when
    /// it gets one; false once the sink has refused a piece.
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

/// The outcome of one pass over a folder's entries into a document.
struct FolderPass {
    std::size_t images = 0;         ///< image entries found
    std::optional<FileError> error; ///< why the folder could not be read to its end
    bool cancelled = false;
};

/// Feeds a folder's image entries, in listing order, into `stream`, and notes the entries passed
/// over for their extension's case; stops early when the stream's sink refuses a piece, unless
/// the sub-folders are still wanted.
[[nodiscard]] FolderPass streamFolder(const std::string& folder, DocumentStream& stream,
                                      std::vector<std::string>* subfolders = nullptr,
                                      JobControl* control = nullptr);

/// Feeds files handed over (paths or bare names) into `stream` by the rule of a folder's listing;
/// false once the sink refused a piece.
[[nodiscard]] bool streamFiles(std::span<const std::string> files, DocumentStream& stream);

/// Keys of a record as written in a file.
[[nodiscard]] RecordKey recordKeyOf(std::string_view from, std::string_view to);

} // namespace crestmap
