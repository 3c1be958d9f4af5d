#pragma once

#include "ConfigBuilder.h"
#include "ConfigCheck.h"
#include "JobControl.h"
#include "MappingFile.h"
#include "PackPlan.h"
#include "StyleRule.h"
#include "StyleSelectors.h"
#include "WriteAccount.h"

#include <cstddef>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace crestmap {

/// What to write or check: a folder, a folder and every folder below it, chosen folders, or
/// image files of one folder.
struct PackRequest {
    std::optional<StylePair> style; ///< asked for; none means the default, or with Update none
    StyleRule rule = StyleRule::AsAsked;
    bool recursive = false; ///< also the folders below; then only folders that hold images
    /// Recursive when the folder itself holds no images, as when a pack's top is opened.
    bool recursiveWhenEmpty = false;
    bool verifyImages = false; ///< read each mapped image's first bytes
    /// These folders instead of the one given and those below it.
    std::vector<std::string> folders;
    /// With `folders`: folders left as they are, each in its own style, whose images may map to
    /// the same pictures as those written.
    std::vector<std::string> alongside;
    /// These image files, in this order, instead of the folder's listing; config.xml goes
    /// beside the first.
    std::vector<std::string> images;
    /// Stops or holds the work between folders and within a folder's listing; every config.xml
    /// is then either as it was or wholly new.
    JobControl* control = nullptr;
};

/// Writes the folders of a pack, each on its own: a failure is reported and the others go on.
/// The account goes to `listener`, with the images whose picture another image of the pack has;
/// true when no folder failed.
bool writePack(const std::string& root, const PackRequest& request, WriteListener& listener,
               std::ostream& errors = std::cout);

/// Told of each folder a check compared, in the style it was compared in, if any.
using CheckVisitor = std::function<void(const std::string& folder, const ConfigCheck& check,
                                        std::optional<StylePair> style)>;

/// What checking a pack came to.
struct PackCheck {
    std::size_t checked = 0;    ///< folders compared
    std::size_t outdated = 0;   ///< of those, not current
    std::size_t unreadable = 0; ///< folders or files that could not be read
    std::size_t problems = 0;   ///< images that clash or would not load
    bool descended = false;     ///< went below a folder without images, as asked
    bool imagesBelow = false;   ///< not asked to go below a folder without images that has some

    [[nodiscard]] bool allCurrent() const noexcept
    {
        return outdated == 0 && unreadable == 0 && problems == 0;
    }
    /// The facts of the check, what fails first, then what the tally found.
    [[nodiscard]] std::vector<Fact> facts(const WriteTally& tally) const;
};

/// Checks the folders writePack would write, by the same decisions, and with verifyImages reads
/// every mapped image's first bytes. Nothing is written.
[[nodiscard]] PackCheck checkPack(const std::string& root, const PackRequest& request,
                                  const CheckVisitor& onFolder, WriteListener* listener = nullptr);

} // namespace crestmap
