#pragma once

#include "InputFile.h"
#include "StyleSelectors.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace crestmap {

/// Where a mapping document that was cut short ends.
enum class CutPlace : std::uint8_t {
    Header, ///< before its list of records opens
    Record, ///< inside a record, or another tag of the list
    List,   ///< after a whole record, before the list's end
    End,    ///< after the list, before the document's end
};

/// What stands at a folder's config.xml, as the game would read it.
struct MappingScan {
    enum class State : std::uint8_t {
        Missing,
        Unreadable, ///< `error` says why
        NotMapping, ///< no mapping document at all; `empty`, or `kind` when it is no file
        CutShort,   ///< the start of a mapping document, ending at `cut`
        Mapping,
    };
    State state = State::Missing;
    CutPlace cut = CutPlace::Header;
    bool empty = false;
    InputFile::Kind kind = InputFile::Kind::Regular;
    std::string error;
    std::optional<StylePair> style; ///< its first record's, when that maps a known picture
    std::size_t records = 0;
    bool defaultOptions = false; ///< exactly preload and amap, both off
    bool extraneous = false;     ///< text or elements a mapping document does not hold
};

/// Told each record's from and to values as written (entities not decoded); false stops the read.
using RecordVisitor = std::function<bool(std::string_view from, std::string_view to)>;

/// Reads an open mapping file from its start tag by tag, in memory that does not grow with the
/// file or with a hostile line, and tells `onRecord` of each record.
[[nodiscard]] MappingScan scanMappingFile(InputFile& file, const RecordVisitor& onRecord = {});

/// What a folder's config.xml is, read only as far as the answer needs: up to its first record.
[[nodiscard]] MappingScan readExistingFile(const std::string& folder);

} // namespace crestmap
