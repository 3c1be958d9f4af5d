#pragma once

#include "SkipReason.h"
#include "StyleSelectors.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace crestmap {

/// The picture grammar of one style, worked out once: what stands around an image's name in its
/// record, so that each image of a folder costs one pass over its name. The one place a record
/// line is made.
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
    /// Appends the record line of `fileName` (the image's name without its extension), after
    /// the line feed and tabs that stand before it in a document when `inDocument`, or leaves
    /// `out` alone and says why it gets none.
    Appended append(std::string& out, std::string_view fileName, bool inDocument = false) const;

    /// The picture of `fileName`, not escaped (graphics/pictures/club/1234/logo); nothing when
    /// it gets no record.
    [[nodiscard]] std::optional<std::string> picture(std::string_view fileName) const;

private:
    [[nodiscard]] std::optional<SkipReason> reasonFor(std::string_view fileName,
                                                      unsigned classes) const noexcept;

    bool m_records = false;
    bool m_kit = false;
    std::string m_owner;  ///< "graphics/pictures/club/"
    std::string m_slot;   ///< "/logo", or a kit's "/kits/"
    std::string m_middle; ///< between the two values: `" to="` and the owner
    std::string m_end;    ///< after the owner's name: the slot, and but for a kit the close
};

/// Turns one image file's name into the record line that maps it to a picture slot.
class XmlRecordBuilder {
public:
    /// No line, or the one record line for `fileName` (the image's name without its extension).
    [[nodiscard]] std::vector<std::string>
    buildRecord(std::string_view fileName, std::int64_t graphicStyle, std::int64_t subType) const;
};

/// The record line of an image called `fileName` (without its extension) in this style, as the
/// writer writes it; nothing when it gets none.
[[nodiscard]] std::optional<std::string> recordLineFor(std::string_view fileName, StylePair style);

/// The record line whose values are written `from` and `to` (as they stand in a file, entities
/// not decoded).
[[nodiscard]] std::string recordLineOf(std::string_view from, std::string_view to);

/// The style whose picture shape `picture` (as written) has; nothing for a shape of none.
[[nodiscard]] std::optional<StylePair> styleOfPicture(std::string_view picture) noexcept;

/// Whose pictures a style's records are: "team" for kits, "person" for portraits, otherwise the
/// word of its logo or background type, "club" or "team" for a type of none of them.
[[nodiscard]] std::string_view ownerWord(StylePair style) noexcept;

} // namespace crestmap
