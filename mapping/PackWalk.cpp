#include "PackWalk.h"

#include "FileNames.h"
#include "FolderReader.h"
#include "ImageVerifier.h"

#include <algorithm>

namespace crestmap {

namespace {

using Action = Decision::Action;
using Outcome = FolderAccount::Outcome;

// A folder's decision, reading its config.xml only when the rule looks at it.
std::pair<Decision, MappingScan> decideFolder(const std::string& folder, const PackRequest& request)
{
    MappingScan existing;
    if (request.rule != StyleRule::AsAsked) {
        existing = readExistingFile(folder);
    }
    return {decide(existing, request.rule, request.style), existing};
}

// Visits the folders of a request: the chosen ones, or the one asked for always and the others
// (when recursive) only when they hold image entries.
void forEachPackFolder(
    const std::string& root, const PackRequest& request,
    const std::function<void(const std::string& folder, FolderWriteOptions& options)>& visit,
    bool* descended = nullptr)
{
    const auto stopped = [&request] {
        return request.control != nullptr && !request.control->proceed();
    };
    if (!request.folders.empty()) {
        for (const std::string& folder : request.folders) {
            if (stopped()) {
                return;
            }
            FolderWriteOptions options;
            options.control = request.control;
            visit(folder, options);
        }
        return;
    }
    bool recursive = request.recursive;
    walkFolders(root, [&](const std::string& folder, std::vector<std::string>& subfolders) {
        // A cancelled walk visits nothing more, so the rest of it drains at once.
        if (stopped()) {
            return;
        }
        FolderWriteOptions options;
        options.onlyWithImages = recursive;
        options.lookBelow = folder == root && !recursive && !request.recursiveWhenEmpty;
        options.subfolders = recursive || request.recursiveWhenEmpty ? &subfolders : nullptr;
        options.control = request.control;
        visit(folder, options);
        if (folder == root && !recursive && request.recursiveWhenEmpty) {
            // The images were counted by the visit: those below are taken in only without any.
            recursive = descended != nullptr && *descended;
            if (!recursive) {
                subfolders.clear();
            }
        }
    });
}

// What a folder that is not written holds, listed only when `images` (handed over) cannot say
// or a walk wants its sub-folders.
FolderSurvey surveyLeft(const std::string& folder, const FolderWriteOptions& options,
                        std::size_t images = 0)
{
    FolderSurvey survey;
    survey.images = images;
    if (options.subfolders != nullptr || images == 0) {
        survey = surveyFolder(folder);
        if (options.subfolders != nullptr) {
            *options.subfolders = std::move(survey.subfolders);
        }
    }
    return survey;
}

// Tells of a folder that is not written.
void leaveFolder(const std::string& folder, const Decision& decision, const MappingScan& existing,
                 const FolderWriteOptions& options, std::size_t images, WriteListener& listener)
{
    const FolderSurvey survey = surveyLeft(folder, options, images);
    const std::string configPath = configPathIn(folder);
    FolderAccount account;
    account.folder = folder;
    account.configPath = configPath;
    account.outcome = Outcome::NotMapped;
    account.images = survey.images;
    account.style = decision.style;
    account.existing = existing;
    if (survey.error) {
        account.outcome = Outcome::Unreadable;
        account.error = survey.error;
    } else if (decision.action == Action::Unreadable) {
        account.outcome = Outcome::Unreadable;
        account.error = FileError{FileError::Action::Read, configPath, existing.error};
    } else if (options.onlyWithImages && survey.images == 0) {
        account.outcome = Outcome::NoImages;
    } else if (decision.action == Action::Keep) {
        account.outcome = Outcome::Kept;
    }
    listener.folder(account);
}

} // namespace

bool writePack(const std::string& root, const PackRequest& request, WriteListener& listener,
               std::ostream& errors)
{
    ImageVerifier verifier(listener);
    WriteListener& told = request.verifyImages ? verifier : listener;
    ClashFinder clashes;
    std::vector<std::pair<std::string, StylePair>> written;
    bool allWritten = true;
    const bool several = request.recursive || request.folders.size() + request.alongside.size() > 1;
    const auto visit = [&](const std::string& folder, FolderWriteOptions& options) {
        const auto [decision, existing] = decideFolder(folder, request);
        options.listener = &told;
        options.existing = existing;
        if (decision.action != Action::Write) {
            leaveFolder(folder, decision, existing, options, request.images.size(), told);
            allWritten = allWritten && decision.action != Action::Unreadable;
            return;
        }
        if (!request.images.empty()) {
            // The files handed over: their clashes are among them alone.
            allWritten = static_cast<bool>(ConfigBuilder::writeConfig(
                configPathBeside(request.images.front()), request.images,
                decision.style->graphicStyle, decision.style->subType, errors, options));
            return;
        }
        options.clashes = &clashes;
        options.last = !several;
        const WriteResult result =
            ConfigBuilder::writeFolderConfig(folder, *decision.style, errors, options);
        allWritten = allWritten && (result || !result.error);
        if (result) {
            written.emplace_back(folder, *decision.style);
        }
    };
    if (!request.images.empty()) {
        FolderWriteOptions options;
        visit(parentFolderOf(request.images.front()), options);
        return allWritten;
    }
    forEachPackFolder(root, request, visit);
    // Those alongside are not written: their images count only as the others of a clash.
    const std::size_t toldFolders = written.size();
    for (const std::string& folder : request.alongside) {
        if (request.control != nullptr && !request.control->proceed()) {
            break;
        }
        // Read in its own style, whatever the others are written in.
        const Decision decision =
            decide(readExistingFile(folder), StyleRule::Update, request.style);
        WriteListener unlisted;
        FolderWriteOptions options;
        options.listener = &unlisted;
        options.clashes = &clashes;
        options.control = request.control;
        if (decision.action != Action::Write) {
            continue;
        }
        (void)checkFolderConfig(folder, *decision.style, options);
        // One stopped half-way was not read whole: its images name no clash.
        if (request.control == nullptr || !request.control->cancelled()) {
            written.emplace_back(folder, *decision.style);
        }
    }
    // Stopped, the folders written still say which of their images clash: with each other.
    if (clashes.settle()) {
        reportFolderClashes(written, clashes, told, {}, toldFolders);
    }
    return allWritten;
}

PackCheck checkPack(const std::string& root, const PackRequest& request,
                    const CheckVisitor& onFolder, WriteListener* listener)
{
    WriteListener none;
    WriteListener& next = listener != nullptr ? *listener : none;
    ImageVerifier verifier(next);
    WriteListener& told = request.verifyImages ? verifier : next;
    ClashFinder clashes;
    std::vector<std::pair<std::string, StylePair>> checked;
    PackCheck pack;
    PackRequest own = request;
    own.rule = request.rule == StyleRule::AsAsked ? StyleRule::AsAsked : StyleRule::Update;
    using State = ConfigCheck::State;
    std::optional<std::pair<ConfigCheck, std::optional<StylePair>>> top;
    const auto visit = [&](const std::string& folder, FolderWriteOptions& options) {
        const auto [decision, existing] = decideFolder(folder, own);
        options.listener = &told;
        options.clashes = &clashes;
        ConfigCheck check;
        // The style the folder's images were read in, to look for their clashes.
        std::optional<StylePair> readIn;
        if (decision.action == Action::Write) {
            check = checkFolderConfig(folder, *decision.style, options);
            readIn = decision.style;
        } else {
            const FolderSurvey survey = surveyLeft(folder, options);
            check.images = survey.images;
            check.file = existing;
            check.error = survey.error;
            // The rules of a check keep only a config.xml cut short: what stands there decides.
            check.state = survey.error ? State::Unreadable
                          : options.onlyWithImages && survey.images == 0
                              ? State::NoImages
                              : checkStateOf(existing.state);
            if (!survey.error && decision.action == Action::Unreadable) {
                check.error =
                    FileError{FileError::Action::Read, configPathIn(folder), existing.error};
            }
            // Without images a document is the same in every style: the one a write without
            // images made is current, whatever style it has none of.
            // Listed again: its sub-folders are known already.
            FolderWriteOptions again = options;
            again.subfolders = nullptr;
            if (check.state == State::NotMapped && survey.images == 0 && !options.onlyWithImages) {
                check = checkFolderConfig(folder, defaultStyle, again);
            } else if (!decision.style && survey.images > 0 && !check.error &&
                       check.state != State::CutShort) {
                // No style to compare in, but its images are read all the same, in the style a
                // write would give them, for those that clash or would not load. A file cut
                // short keeps its folder out of every write: its images clash with none.
                (void)checkFolderConfig(folder, defaultStyle, again);
                readIn = defaultStyle;
            }
        }
        // Its own config.xml may be current, but the images the user means are below it.
        pack.imagesBelow = pack.imagesBelow || (options.lookBelow && check.images == 0 &&
                                                !check.error && imagesBelow(folder));
        if (folder == root && request.recursiveWhenEmpty && !request.recursive) {
            // One that cannot be listed has nothing known below it to go to.
            pack.descended = check.images == 0 && check.state != State::Unreadable;
            if (pack.descended) {
                top.emplace(check, decision.style);
                return; // told only if nothing below holds images either
            }
        }
        if (check.state == State::NoImages) {
            return;
        }
        if (check.state == State::Unreadable) {
            ++pack.unreadable;
        } else {
            ++pack.checked;
            pack.outdated += check.current() ? 0 : 1;
            if (readIn) {
                checked.emplace_back(folder, *readIn);
            }
        }
        if (onFolder) {
            onFolder(folder, check, decision.style);
        }
    };
    forEachPackFolder(root, own, visit, &pack.descended);
    if (top && pack.checked + pack.unreadable == 0) {
        pack.descended = false;
        ++pack.checked;
        pack.outdated += top->first.current() ? 0 : 1;
        if (onFolder) {
            onFolder(root, top->first, top->second);
        }
    }
    const bool stopped = request.control != nullptr && request.control->cancelled();
    if (!stopped && clashes.settle()) {
        reportFolderClashes(checked, clashes, told);
    }
    pack.problems = verifier.found();
    return pack;
}

std::vector<Fact> PackCheck::facts(const WriteTally& tally) const
{
    using Kind = Fact::Kind;
    const auto failing = [](const Fact& fact) {
        return fact.kind == Kind::Clashes || fact.kind == Kind::Unloadable;
    };
    // What fails comes first, so that the first words say why a check failed.
    std::vector<Fact> facts;
    if (outdated > 0) {
        facts.push_back({Kind::Outdated, outdated, checked});
    }
    if (unreadable > 0) {
        facts.push_back({Kind::Unreadable, unreadable});
    }
    std::vector<Fact> found = tally.findings();
    const auto passing = std::stable_partition(found.begin(), found.end(), failing);
    facts.insert(facts.end(), found.begin(), passing);
    if (outdated == 0 && unreadable == 0) {
        facts.push_back({Kind::Current, checked});
    }
    facts.insert(facts.end(), passing, found.end());
    if (imagesBelow) {
        facts.push_back({Kind::ImagesBelow});
    }
    return facts;
}

} // namespace crestmap
