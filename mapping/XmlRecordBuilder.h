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

/// The record lines of one style, worked out once: what stands around an image's name, so that
/// each image of a folder costs one pass over its name. The one place a record line is made.
class RecordShape {
public:
    explicit RecordShape(StylePair style);

    /// Why `fileName` gets no record in this style, or nothing when it gets one.
    [[nodiscard]] std::optional<SkipReason> skipReason(std::string_view fileName) const noexcept;

    /// Where a record line appended to `out` holds its `to` value, or why there is no line.
    struct Appended {
        std::size_t toStart = 0;
        std::size_t toEnd = 0;
        std::optional<SkipReason> reason;
    };
    /// Appends the record line of `fileName` (the image's name without its extension), or leaves
    /// `out` alone and says why it gets none.
    Appended append(std::string& out, std::string_view fileName) const;

    /// Appends the picture of a file that gets a record, not escaped.
    void appendPicture(std::string& out, std::string_view fileName) const;

private:
    // What a name holds, beyond plain printable ASCII.
    [[nodiscard]] static unsigned scan(std::string_view name) noexcept;
    [[nodiscard]] std::optional<SkipReason> reasonFor(std::string_view fileName,
                                                      unsigned classes) const noexcept;

    bool m_records = false;
    bool m_kit = false;
    std::string m_owner; ///< "graphics/pictures/club/"
    std::string m_slot;  ///< "/logo", or a kit's "/kits/"
};

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

/// Why `fileName` gets no record under this style, or nothing when it gets one. The one place
/// that decides whether a file is mapped.
[[nodiscard]] std::optional<SkipReason> recordSkipReason(std::string_view fileName,
                                                         std::int64_t graphicStyle,
                                                         std::int64_t subType) noexcept;

/// The picture a file maps to, as the game names it (graphics/pictures/club/1234/logo), not
/// escaped; nothing when the file gets no record.
[[nodiscard]] std::optional<std::string>
picturePath(std::string_view fileName, std::int64_t graphicStyle, std::int64_t subType);

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
