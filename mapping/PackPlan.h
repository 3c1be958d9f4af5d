#pragma once

#include "ConfigCheck.h"
#include "JobControl.h"
#include "StyleSelectors.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace crestmap {

/// A folder of a plan, with its own style when its config.xml maps one, and its check.
struct PlannedFolder {
    std::string folder;
    std::optional<StylePair> own;
    ConfigCheck check;
};

/// What writing a pack would do, for a person to agree to first.
struct PackPlan {
    std::size_t folders = 0;   ///< folders that hold images
    std::size_t images = 0;    ///< image entries in them
    std::size_t creates = 0;   ///< of those, folders without a config.xml
    std::size_t replaces = 0;  ///< folders whose config.xml a write in their own style changes
    std::size_t unchanged = 0; ///< folders whose config.xml already holds what a write writes
    std::size_t writesAll = 0; ///< folders a write of all in the style asked changes
    /// The first few folders whose config.xml an update in their own style changes, and of
    /// those it creates.
    std::vector<PlannedFolder> updatedSample;
    std::vector<PlannedFolder> createdSample;
    /// Folders whose config.xml maps another style than the one asked for, with the first few.
    std::size_t otherStyle = 0;
    std::vector<PlannedFolder> otherStyleSample;
    /// Folders an update keeps because their config.xml was cut short, with the first few.
    std::size_t cutShort = 0;
    std::vector<PlannedFolder> cutShortSample;

    static constexpr std::size_t sampleLimit = 10;
};

/// Surveys `root` and every folder below it, or only `folders` when given; nothing is written.
[[nodiscard]] PackPlan planPack(const std::string& root, StylePair asked,
                                JobControl* control = nullptr,
                                const std::vector<std::string>& folders = {});

/// Counts the folders below `root` (and itself) that hold images, and their images, by their
/// listings alone: what a check of the pack has ahead of it.
[[nodiscard]] PackPlan sizeOfPack(const std::string& root, JobControl* control = nullptr);

} // namespace crestmap
