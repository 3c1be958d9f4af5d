// Arbitrary bytes as a config.xml: reading it must never crash or grow without bound, and the
// style it is said to map must be the one style every record it holds has.

#include "FileNames.h"
#include "MappingFile.h"
#include "XmlRecordBuilder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const std::string& folder()
{
    static const std::string path = [] {
        std::string name =
            std::filesystem::temp_directory_path().string() + "/crestmap-fuzz-XXXXXX";
        if (::mkdtemp(name.data()) == nullptr) {
            std::abort();
        }
        return name;
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = crestmap::configPathIn(folder());
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    std::size_t records = 0;
    std::optional<std::optional<crestmap::StylePair>> first; // the first record's, once seen
    crestmap::InputFile file(path);
    const crestmap::MappingScan scan =
        crestmap::scanMappingFile(file, [&](std::string_view, std::string_view to) {
            ++records;
            if (!first) {
                first = crestmap::styleOfPicture(to);
            }
            return true;
        });
    if (scan.records != records || (records > 0 && scan.style != *first)) {
        std::abort();
    }
    // A folder's style is its first record's; what follows that record does not change it, and a
    // file cut short is the start of a mapping document, never of anything else.
    const crestmap::MappingScan own = crestmap::readExistingFile(folder());
    using State = crestmap::MappingScan::State;
    const bool mapping = scan.state == State::Mapping || scan.state == State::CutShort;
    if (own.state == State::Missing || (records > 0 && own.style != *first) ||
        (mapping && records > 0 && own.state != State::Mapping) ||
        (scan.state == State::NotMapping && records == 0 && own.state != State::NotMapping)) {
        std::fprintf(stderr, "existing file read wrongly\n");
        std::abort();
    }
    return 0;
}
