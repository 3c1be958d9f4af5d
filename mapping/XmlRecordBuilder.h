#pragma once

#include "SkipReason.h"
#include "StyleSelectors.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace crestmap {

/// Turns one image file's name into the record line that maps it to a picture slot.
class XmlRecordBuilder {
public:
    /// No line, or the one record line for `fileName` (the image's name without its extension).
    [[nodiscard]] std::vector<std::string>
    buildRecord(std::string_view fileName, std::int64_t graphicStyle, std::int64_t subType) const;

    /// Appends the record line to `out` and returns true, or leaves `out` alone and returns false
    /// when the file gets no record. Lets the writer fill its buffer without a string per file.
    bool appendRecord(std::string& out, std::string_view fileName, std::int64_t graphicStyle,
                      std::int64_t subType) const;
};

/// The record line whose values are written `from` and `to` (as they stand in a file, entities
/// not decoded).
[[nodiscard]] std::string recordLineOf(std::string_view from, std::string_view to);

/// The record line of an image called `fileName` (without its extension) in this style, as the
/// writer writes it; nothing when it gets none.
[[nodiscard]] std::optional<std::string> recordLineFor(std::string_view fileName, StylePair style);

/// The `to` value of a record line as written, entities and all.
[[nodiscard]] std::string_view recordTo(std::string_view line) noexcept;

/// Why `fileName` gets no record under this style, or nothing when it gets one. The one place
/// that decides whether a file is mapped.
[[nodiscard]] std::optional<SkipReason> recordSkipReason(std::string_view fileName,
                                                         std::int64_t graphicStyle,
                                                         std::int64_t subType) noexcept;

/// The picture a file maps to, as the game names it (graphics/pictures/club/1234/logo), not
/// escaped; nothing when the file gets no record.
[[nodiscard]] std::optional<std::string>
picturePath(std::string_view fileName, std::int64_t graphicStyle, std::int64_t subType);

/// Appends the picture of a file that gets a record, as picturePath gives it, without a string
/// of its own.
void appendPicturePath(std::string& out, std::string_view fileName, std::int64_t graphicStyle,
                       std::int64_t subType);

/// The owner word of a logo, icon or logo background: "club" unless 2, 3 or 4 picks another.
[[nodiscard]] std::string_view logoKindWord(std::int64_t logoType) noexcept;

/// The owner word of a background: "team" unless 2, 3 or 4 picks another.
[[nodiscard]] std::string_view backgroundKindWord(std::int64_t backgroundType) noexcept;

/// The team and kit parts of a name with exactly one underscore; two empty parts otherwise.
[[nodiscard]] std::pair<std::string_view, std::string_view>
splitKitName(std::string_view fileName) noexcept;

/// True when a name can stand in the UTF-8 document on one line: valid UTF-8, no control
/// characters, nothing XML forbids.
[[nodiscard]] bool isWritableName(std::string_view name) noexcept;

/// True when `text` is valid UTF-8, whatever characters it holds.
[[nodiscard]] bool isUtf8(std::string_view text) noexcept;

/// `text` with U+FFFD in place of each byte that is not part of valid UTF-8.
[[nodiscard]] std::string withReplacementCharacters(std::string_view text);

/// Appends `text` for a double-quoted attribute value, with &, < and " as entities.
void appendAttributeText(std::string& out, std::string_view text);

} // namespace crestmap
