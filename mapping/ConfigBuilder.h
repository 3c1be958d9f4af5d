#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <string_view>

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

/// The outcome of writing a document.
struct WriteResult {
    bool written = false;
    std::size_t records = 0;
    std::string error; ///< what went wrong, when not written

    explicit operator bool() const noexcept { return written; }
};

/// Writes config.xml. The one place the document is made.
class ConfigBuilder {
public:
    /// Writes the document for `files` (paths or bare names, in record order) to `path`,
    /// replacing any file there only once the new one is complete and on disk. On failure
    /// nothing at `path` changes and one "Unexpected error: " line goes to `errors`.
    [[nodiscard]] static WriteResult writeConfig(const std::string& path,
                                                 std::span<const std::string> files,
                                                 std::int64_t graphicStyle, std::int64_t subType,
                                                 std::ostream& errors = std::cout);

    /// Streams the document to `sink` in pieces of bounded size; the record count, or nothing
    /// when the sink refused a piece.
    [[nodiscard]] static std::optional<std::size_t>
    streamDocument(std::span<const std::string> files, std::int64_t graphicStyle,
                   std::int64_t subType, const DocumentSink& sink);
};

} // namespace crestmap
