#include "ConfigBuilder.h"

#include "AtomicFile.h"
#include "FileNames.h"
#include "XmlRecordBuilder.h"

#include <algorithm>

namespace crestmap {

namespace {

// Big enough that a million records cost a few dozen writes, small enough to stay unnoticed.
constexpr std::size_t chunkSize = std::size_t{1} << 20;

} // namespace

std::optional<std::size_t> ConfigBuilder::streamDocument(std::span<const std::string> files,
                                                         std::int64_t graphicStyle,
                                                         std::int64_t subType,
                                                         const DocumentSink& sink)
{
    const XmlRecordBuilder builder;
    std::string chunk;
    // Small documents should not pay for a whole chunk; a record is rarely over 100 bytes.
    chunk.reserve(
        std::min(chunkSize, configHeader.size() + configFooter.size() + files.size() * 100) + 4096);
    chunk += configHeader;
    std::size_t records = 0;
    for (const std::string& file : files) {
        const std::size_t lineStart = chunk.size();
        chunk += recordLinePrefix;
        if (!builder.appendRecord(chunk, fileNameOf(file), graphicStyle, subType)) {
            chunk.resize(lineStart);
            continue;
        }
        ++records;
        if (chunk.size() >= chunkSize) {
            if (!sink(chunk)) {
                return std::nullopt;
            }
            chunk.clear();
        }
    }
    chunk += configFooter;
    if (!sink(chunk)) {
        return std::nullopt;
    }
    return records;
}

WriteResult ConfigBuilder::writeConfig(const std::string& path, std::span<const std::string> files,
                                       std::int64_t graphicStyle, std::int64_t subType,
                                       std::ostream& errors)
{
    WriteResult result;
    AtomicFile file(path);
    if (file.isOpen()) {
        const auto records =
            streamDocument(files, graphicStyle, subType,
                           [&file](std::string_view piece) { return file.write(piece); });
        if (records && file.commit()) {
            result.written = true;
            result.records = *records;
            return result;
        }
    }
    result.error = file.error();
    errors << "Unexpected error: " << result.error << ".\n" << std::flush;
    return result;
}

} // namespace crestmap
