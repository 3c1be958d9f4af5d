#pragma once

#include "StyleSelectors.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace crestmap {

/// The records of a document as an order-free fingerprint: two documents with the same record
/// lines, in any order, have the same one.
struct RecordFingerprint {
    std::uint64_t count = 0;
    std::uint64_t sum = 0;
    std::uint64_t mixedSum = 0;

    void add(std::string_view recordLine) noexcept;
    friend bool operator==(const RecordFingerprint&, const RecordFingerprint&) = default;
};

/// What an existing config.xml holds, as the game would read it.
struct MappingScan {
    enum class State {
        Missing,
        Unreadable, ///< `error` says why
        NotMapping, ///< not a mapping document at all
        Mapping,
    };
    State state = State::Missing;
    std::string error; ///< why it could not be read; with NotMapping, what stands there if no file
    bool defaultOptions = false; ///< exactly preload and amap, both off
    bool complete = false;   ///< closed properly, with nothing after but white space and comments
    bool extraneous = false; ///< text or elements a mapping document does not hold
    RecordFingerprint records;
};

/// Told each record's from and to values as written (entities not decoded); false stops the read.
using RecordVisitor = std::function<bool(std::string_view from, std::string_view to)>;

/// Reads the mapping file at `path` tag by tag, in memory that does not grow with the file or
/// with a hostile line, and tells `onRecord` of each record.
[[nodiscard]] MappingScan scanMappingFile(const std::string& path,
                                          const RecordVisitor& onRecord = {});

/// The style whose path shape a picture (as written) has; nothing for a path of no known shape.
[[nodiscard]] std::optional<StylePair> styleOfPicture(std::string_view picture) noexcept;

/// The style a folder's config.xml maps in.
struct OwnStyle {
    bool exists = false;            ///< there is a config.xml, of whatever kind
    std::optional<StylePair> style; ///< its first record's; none when it has no records, the
                                    ///< first maps no known picture, or it is no mapping file
};

/// Reads only as much of the folder's config.xml as the answer needs: up to its first record.
[[nodiscard]] OwnStyle readOwnStyle(const std::string& folder);

/// "kit", "kit texture", "club logo", "stadium background": what a style's records are.
[[nodiscard]] std::string describeStyle(StylePair style);

} // namespace crestmap
