#pragma once

#include "ConfigBuilder.h"
#include "FileError.h"
#include "MappingFile.h"
#include "StyleSelectors.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace crestmap {

/// How a folder's config.xml compares with what would be written now: the one verdict every
/// front end shows.
struct ConfigCheck {
    enum class State : std::uint8_t {
        Current,    ///< what would be written, or the same records in another layout
        Stale,      ///< a mapping file the game would read otherwise; `stale` says how
        Missing,    ///< no config.xml
        CutShort,   ///< the start of a mapping file; `file.cut` says where it ends
        NotMapping, ///< something at config.xml that is no mapping file; `file` says what
        NotMapped,  ///< a mapping file without records of any style, and no style to compare
        Unreadable, ///< the folder or the file could not be read; `error` says why
        NoImages,   ///< no image entries, and none were asked for
    };
    enum class Stale : std::uint8_t { Records, Options, Extraneous };
    State state = State::Unreadable;
    std::size_t images = 0;   ///< image entries in the folder
    bool otherLayout = false; ///< current, but not byte for byte
    Stale stale = Stale::Records;
    std::size_t added = 0; ///< records the file lacks, holds beyond the new ones, or maps
    std::size_t removed = 0;
    std::size_t changed = 0; ///< to another picture
    MappingScan file;        ///< what stands at config.xml
    std::optional<FileError> error;

    [[nodiscard]] bool current() const noexcept
    {
        return state == State::Current || state == State::NoImages;
    }
};

/// The verdict on what stands at config.xml when it is no mapping file to compare records with;
/// NotMapped for a mapping file.
[[nodiscard]] ConfigCheck::State checkStateOf(MappingScan::State file) noexcept;

/// Compares `folder`'s config.xml with the document it would get now in `style`, listing the
/// folder once. Nothing is written.
[[nodiscard]] ConfigCheck checkFolderConfig(const std::string& folder, StylePair style,
                                            const FolderWriteOptions& options = {});

} // namespace crestmap
