#pragma once

#include "ConfigBuilder.h"
#include "StyleSelectors.h"

#include <cstddef>
#include <string>
#include <vector>

namespace crestmap {

/// How a folder's config.xml compares with what would be written now.
struct ConfigCheck {
    enum class State {
        Current,    ///< byte for byte what would be written
        Missing,    ///< no config.xml
        Stale,      ///< a mapping file that differs
        NotMapping, ///< something at config.xml that is not a mapping file
        Skipped,    ///< no image entries, and none were asked for
        Failed,     ///< the folder or the file could not be read
    };
    State state = State::Failed;
    std::string detail;     ///< what differs in a few words, or what could not be read
    std::size_t images = 0; ///< image entries in the folder

    [[nodiscard]] bool current() const noexcept
    {
        return state == State::Current || state == State::Skipped;
    }
};

/// Compares `folder`'s config.xml with the document it would get now, streaming both, so that
/// a folder that is current costs the same memory whatever its size. Nothing is written.
[[nodiscard]] ConfigCheck checkFolderConfig(const std::string& folder, StylePair style,
                                            const FolderWriteOptions& options = {});

} // namespace crestmap
