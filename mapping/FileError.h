#pragma once

#include <cstdint>
#include <string>

namespace crestmap {

/// A file operation that failed, as a value: what was being done, to which path, and the
/// system's own reason. Each front end words it; the writer's own line is the one below.
struct FileError {
    enum class Action : std::uint8_t {
        List,   ///< listing a folder
        Read,   ///< reading a file
        Create, ///< making the new file beside the old
        Write,
        Flush,
        Close,
        Replace,    ///< putting the new file in the old one's place
        MakeFolder, ///< making a folder of the undo journal
        KeepCopy,   ///< keeping the replaced file's copy in the journal
        FindCache,  ///< `path` names the variables that would give the cache folder
    };
    Action action = Action::Read;
    std::string path;
    std::string reason;
};

/// "cannot replace /pack/config.xml: Permission denied", for the line the writer prints when it
/// fails: "Unexpected error: " and this.
[[nodiscard]] std::string describeForLog(const FileError& error);

} // namespace crestmap
