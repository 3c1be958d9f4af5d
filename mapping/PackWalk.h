#pragma once

#include "ConfigBuilder.h"
#include "ConfigCheck.h"
#include "JobControl.h"
#include "MappingFile.h"
#include "StyleSelectors.h"
#include "WriteAccount.h"

#include <cstddef>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace crestmap {

/// How the folders of a pack choose the style they are written in.
enum class StyleRule {
    AsAsked, ///< every folder in the style asked for
    KeepOwn, ///< as asked, but a folder whose mapping file maps another style, or was cut short,
             ///< is kept
    Update,  ///< each folder in its own file's style; without one, as asked, if a style was
};

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
    /// These image files, in this order, instead of the folder's listing; config.xml goes
    /// beside the first.
    std::vector<std::string> images;
    /// Stops or holds the work between folders and within a folder's listing; every config.xml
    /// is then either as it was or wholly new.
    JobControl* control = nullptr;
};

/// What becomes of one folder, decided before it is listed, from what stands at its config.xml.
struct Decision {
    enum class Action : std::uint8_t { Write, Keep, NotMapped, Unreadable };
    Action action = Action::Write;
    std::optional<StylePair> style; ///< to write in, or, kept, its own
};

/// The rule of StyleRule over what a folder's config.xml is; `asked`: the style given, if one.
[[nodiscard]] Decision decide(const MappingScan& existing, StyleRule rule,
                              std::optional<StylePair> asked) noexcept;

/// The style a write without one is in: club logos.
inline constexpr StylePair defaultStyle{GraphicStyle::Logo, 1};

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
    std::size_t unchanged = 0; ///< folders whose config.xml is current
    /// Folders whose config.xml an update in their own style changes, with the first few.
    std::vector<PlannedFolder> updatedSample;
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
