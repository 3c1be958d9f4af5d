#pragma once

#include "ConfigBuilder.h"
#include "ConfigCheck.h"
#include "StyleSelectors.h"
#include "WriteAccount.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace crestmap {

/// Handles one folder of a walk and fills in the names of the real sub-folders it found.
using FolderVisitor =
    std::function<void(const std::string& folder, std::vector<std::string>& subfolders)>;

/// Visits `root` and every folder below it, each parent before its children and siblings in
/// the order their parent lists them. Only the folders a visitor reports are entered, so
/// symbolic links are never followed and a folder that cannot be read ends only its branch.
void walkFolders(const std::string& root, const FolderVisitor& visit);

/// Whether `folder` holds an image entry.
[[nodiscard]] bool holdsImages(const std::string& folder);

/// Whether a folder right below `folder` holds an image entry.
[[nodiscard]] bool subfoldersHoldImages(const std::string& folder);

/// How the folders of a pack choose the style they are written in.
enum class StyleRule {
    AsAsked, ///< every folder in the style asked for
    KeepOwn, ///< as asked, but a folder whose mapping file uses another style is kept
    Update,  ///< each folder in its own file's style; without one, as asked, if a style was
};

/// What to write or check: a folder, a folder and every folder below it, chosen folders, or
/// image files of one folder.
struct PackRequest {
    std::optional<StylePair> style; ///< asked for; none means the default, or with Update none
    StyleRule rule = StyleRule::AsAsked;
    bool recursive = false;    ///< also the folders below; then only folders that hold images
    bool verifyImages = false; ///< read each mapped image's first bytes
    /// These folders instead of the one given and those below it.
    std::vector<std::string> folders;
    /// These image files, in this order, instead of the folder's listing; config.xml goes
    /// beside the first.
    std::vector<std::string> images;
    /// Set from another thread to stop between folders and within a folder's listing; every
    /// config.xml is then either as it was or wholly new.
    const std::atomic<bool>* cancel = nullptr;
};

/// Writes the folders of a pack, each on its own: a failure is reported to `errors` and the
/// others go on. The account goes to `listener`, with the images that map to a picture another
/// image of the pack maps to; true when no folder failed.
bool writePack(const std::string& root, const PackRequest& request, WriteListener& listener,
               std::ostream& errors = std::cout);

/// Told of each folder a check compared, in the style it was compared in.
using CheckVisitor =
    std::function<void(const std::string& folder, const ConfigCheck& check, StylePair style)>;

/// What checking a pack came to.
struct PackCheck {
    std::size_t checked = 0;  ///< folders compared
    std::size_t outdated = 0; ///< of those, missing, stale or not a mapping file
    std::size_t failed = 0;   ///< folders or files that could not be read
    std::size_t problems = 0; ///< images that clash or would not load

    [[nodiscard]] bool allCurrent() const noexcept
    {
        return outdated == 0 && failed == 0 && problems == 0;
    }
};

/// Checks the folders writePack would write, by the same rules, each against its own file's
/// style unless the request's rule is AsAsked, and with verifyImages reads every mapped image's
/// first bytes. Nothing is written.
[[nodiscard]] PackCheck checkPack(const std::string& root, const PackRequest& request,
                                  const CheckVisitor& onFolder, WriteListener* listener = nullptr);

/// A folder of a plan, with its own style when its config.xml maps one.
struct PlannedFolder {
    std::string folder;
    std::optional<StylePair> own;
    std::string change; ///< what writing it in its own style changes: "1 record added"
};

/// What writing a pack would do, for a person to agree to first.
struct PackPlan {
    std::size_t folders = 0;  ///< folders that hold images and would be written
    std::size_t images = 0;   ///< image entries in them
    std::size_t replaces = 0; ///< of those, folders that have a config.xml already
    /// Folders whose config.xml a write in their own style changes, such as new images getting
    /// records, with the first few.
    std::size_t updated = 0;
    std::vector<PlannedFolder> updatedSample;
    /// Folders whose config.xml maps another style than the one asked for, with the first few.
    std::size_t otherStyle = 0;
    std::vector<PlannedFolder> otherStyleSample;

    static constexpr std::size_t sampleLimit = 10;
};

/// Surveys `root` and every folder below it, or only `folders` when given; nothing is written.
[[nodiscard]] PackPlan planPack(const std::string& root, StylePair asked,
                                const std::atomic<bool>* cancel = nullptr,
                                const std::vector<std::string>& folders = {});

/// Counts the folders below `root` (and itself) that hold images, and their images, by their
/// listings alone: what a check of the pack has ahead of it.
[[nodiscard]] PackPlan sizeOfPack(const std::string& root,
                                  const std::atomic<bool>* cancel = nullptr);

} // namespace crestmap
