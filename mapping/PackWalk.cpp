#include "PackWalk.h"

#include "FileNames.h"
#include "FolderListing.h"
#include "FolderReader.h"
#include "ImageCheck.h"
#include "MappingFile.h"

#include <algorithm>

namespace crestmap {

namespace {

constexpr StylePair defaultStyle{GraphicStyle::Logo, 1};

// What becomes of one folder before it is listed.
struct Decision {
    enum class Action { Write, Keep, NotMapped } action;
    StylePair style;
};

Decision decide(const std::string& folder, const PackRequest& request)
{
    const StylePair asked = request.style.value_or(defaultStyle);
    if (request.rule == StyleRule::AsAsked) {
        return {Decision::Action::Write, asked};
    }
    const OwnStyle own = readOwnStyle(folder);
    if (request.rule == StyleRule::Update) {
        if (own.style) {
            return {Decision::Action::Write, *own.style};
        }
        return {request.style ? Decision::Action::Write : Decision::Action::NotMapped, asked};
    }
    if (own.style && *own.style != asked) {
        return {Decision::Action::Keep, *own.style};
    }
    return {Decision::Action::Write, asked};
}

// Lists a folder that is not written: its sub-folders, and how many image entries it holds.
FolderPass survey(const std::string& folder, std::vector<std::string>* subfolders)
{
    FolderReader reader(folder);
    FolderPass pass;
    while (const auto entry = reader.next()) {
        if (entry->isFolder && subfolders != nullptr) {
            subfolders->emplace_back(entry->name);
        }
        pass.images += classifyEntryName(entry->name) == EntryName::Image ? 1 : 0;
    }
    pass.error = reader.error();
    return pass;
}

// Reads each mapped image's first bytes as its entry passes, telling the next listener of
// those that would not load: the one image check of every front end.
class ImageVerifier : public WriteListener {
public:
    explicit ImageVerifier(WriteListener& next) : m_next(next), m_nextDetail(next.entryDetail()) {}
    [[nodiscard]] EntryDetail entryDetail() const override
    {
        // Every mapped image is read, whether the next one wants to hear of it or not.
        return std::max(m_nextDetail, EntryDetail::Records);
    }
    void entry(const EntryAccount& entry) override
    {
        if (entry.reason || m_nextDetail != EntryDetail::Skips) {
            m_next.entry(entry);
        }
        if (entry.reason) {
            return;
        }
        const auto problem = imageLoadProblem(
            entry.folder.empty() ? std::string(entry.name) : joinPath(entry.folder, entry.name));
        if (problem) {
            ++m_found;
            m_next.problem(
                {ProblemAccount::Kind::Unloadable, entry.folder, entry.name, *problem, {}});
        }
    }
    void replacing(std::string_view configPath) override { m_next.replacing(configPath); }
    void folder(const FolderAccount& folder) override { m_next.folder(folder); }
    void problem(const ProblemAccount& problem) override
    {
        ++m_found;
        m_next.problem(problem);
    }
    [[nodiscard]] std::size_t found() const noexcept { return m_found; }

private:
    WriteListener& m_next;
    EntryDetail m_nextDetail; ///< asked once: it is asked for every entry
    std::size_t m_found = 0;
};

// Visits the folders of a request: the chosen ones, or the one asked for always and the others
// (when recursive) only when they hold image entries.
void forEachPackFolder(
    const std::string& root, const PackRequest& request,
    const std::function<void(const std::string& folder, FolderWriteOptions& options)>& visit)
{
    const auto stopped = [&request] { return request.cancel != nullptr && request.cancel->load(); };
    if (!request.folders.empty()) {
        for (const std::string& folder : request.folders) {
            if (stopped()) {
                return;
            }
            FolderWriteOptions options;
            options.cancel = request.cancel;
            visit(folder, options);
        }
        return;
    }
    walkFolders(root, [&](const std::string& folder, std::vector<std::string>& subfolders) {
        // A cancelled walk visits nothing more, so the rest of it drains at once.
        if (stopped()) {
            return;
        }
        FolderWriteOptions options;
        options.onlyWithImages = request.recursive;
        options.subfolders = request.recursive ? &subfolders : nullptr;
        options.cancel = request.cancel;
        visit(folder, options);
    });
}

// Tells of a folder that is not written, and lists it for what the account needs.
bool leaveFolder(const std::string& folder, const Decision& decision,
                 std::vector<std::string>* subfolders, std::size_t images, WriteListener& listener,
                 std::ostream& errors)
{
    const FolderPass pass = subfolders != nullptr || images == 0 ? survey(folder, subfolders)
                                                                 : FolderPass{images, {}, false};
    using Outcome = FolderAccount::Outcome;
    const Outcome outcome = !pass.error.empty()                         ? Outcome::Failed
                            : decision.action == Decision::Action::Keep ? Outcome::Kept
                            : pass.images > 0                           ? Outcome::NotMapped
                                                                        : Outcome::LeftAlone;
    if (outcome == Outcome::Failed) {
        errors << "Unexpected error: " << pass.error << ".\n" << std::flush;
    }
    listener.folder(
        {folder, configPathIn(folder), outcome, 0, pass.images, pass.error, decision.style});
    return outcome != Outcome::Failed;
}

bool writeImages(const PackRequest& request, WriteListener& listener, std::ostream& errors)
{
    const std::string folder = parentFolderOf(request.images.front());
    const Decision decision = decide(folder, request);
    if (decision.action != Decision::Action::Write) {
        return leaveFolder(folder, decision, nullptr, request.images.size(), listener, errors);
    }
    const WriteResult result = ConfigBuilder::writeConfig(
        configPathBeside(request.images.front()), request.images, decision.style.graphicStyle,
        decision.style.subType, errors, &listener);
    return static_cast<bool>(result);
}

} // namespace

void walkFolders(const std::string& root, const FolderVisitor& visit)
{
    // An explicit stack: a tree as deep as the system allows cannot exhaust the call stack.
    std::vector<std::string> pending{root};
    std::vector<std::string> subfolders;
    while (!pending.empty()) {
        const std::string folder = std::move(pending.back());
        pending.pop_back();
        subfolders.clear();
        visit(folder, subfolders);
        std::for_each(subfolders.rbegin(), subfolders.rend(),
                      [&](const std::string& name) { pending.push_back(joinPath(folder, name)); });
    }
}

bool holdsImages(const std::string& folder)
{
    return survey(folder, nullptr).images > 0;
}

bool subfoldersHoldImages(const std::string& folder)
{
    std::vector<std::string> subfolders;
    (void)survey(folder, &subfolders);
    return std::any_of(subfolders.begin(), subfolders.end(), [&folder](const std::string& name) {
        return holdsImages(joinPath(folder, name));
    });
}

bool writePack(const std::string& root, const PackRequest& request, WriteListener& listener,
               std::ostream& errors)
{
    ImageVerifier verifier(listener);
    WriteListener& told = request.verifyImages ? verifier : listener;
    if (!request.images.empty()) {
        return writeImages(request, told, errors);
    }
    ClashFinder clashes;
    std::vector<std::pair<std::string, StylePair>> written;
    bool allWritten = true;
    const bool several = request.recursive || request.folders.size() > 1;
    forEachPackFolder(root, request, [&](const std::string& folder, FolderWriteOptions& options) {
        const Decision decision = decide(folder, request);
        if (decision.action != Decision::Action::Write) {
            allWritten =
                leaveFolder(folder, decision, options.subfolders, 0, told, errors) && allWritten;
            return;
        }
        options.listener = &told;
        options.clashes = &clashes;
        options.last = !several;
        const WriteResult result =
            ConfigBuilder::writeFolderConfig(folder, decision.style, errors, options);
        allWritten = allWritten && (result || result.error.empty());
        if (result) {
            written.emplace_back(folder, decision.style);
        }
    });
    // A stopped write gives control back at once; its clashes are not all known anyway.
    const bool stopped = request.cancel != nullptr && request.cancel->load();
    if (!stopped && clashes.settle()) {
        reportFolderClashes(written, clashes, told);
    }
    return allWritten;
}

PackCheck checkPack(const std::string& root, const PackRequest& request,
                    const CheckVisitor& onFolder, WriteListener* listener)
{
    WriteListener none;
    ImageVerifier verifier(listener != nullptr ? *listener : none);
    WriteListener& told = request.verifyImages  ? static_cast<WriteListener&>(verifier)
                          : listener != nullptr ? *listener
                                                : none;
    ClashFinder clashes;
    std::vector<std::pair<std::string, StylePair>> checked;
    PackCheck pack;
    PackRequest own = request;
    own.rule = request.rule == StyleRule::AsAsked ? StyleRule::AsAsked : StyleRule::Update;
    forEachPackFolder(root, request, [&](const std::string& folder, FolderWriteOptions& options) {
        const Decision decision = decide(folder, own);
        options.listener = &told;
        options.clashes = &clashes;
        const ConfigCheck check = checkFolderConfig(folder, decision.style, options);
        if (check.state == ConfigCheck::State::Skipped) {
            return;
        }
        if (check.state == ConfigCheck::State::Failed) {
            ++pack.failed;
        } else {
            ++pack.checked;
            pack.outdated += check.current() ? 0 : 1;
            checked.emplace_back(folder, decision.style);
        }
        if (onFolder) {
            onFolder(folder, check, decision.style);
        }
    });
    const bool stopped = request.cancel != nullptr && request.cancel->load();
    if (!stopped && clashes.settle()) {
        reportFolderClashes(checked, clashes, told);
    }
    pack.problems = verifier.found();
    return pack;
}

PackPlan planPack(const std::string& root, StylePair asked, const std::atomic<bool>* cancel,
                  const std::vector<std::string>& folders)
{
    PackPlan plan;
    PackRequest request;
    request.style = asked;
    request.rule = StyleRule::Update;
    request.recursive = folders.empty();
    request.folders = folders;
    request.cancel = cancel;
    const auto sample = [](std::vector<PlannedFolder>& samples, PlannedFolder folder) {
        if (samples.size() < PackPlan::sampleLimit) {
            samples.push_back(std::move(folder));
        }
    };
    (void)checkPack(
        root, request, [&](const std::string& folder, const ConfigCheck& check, StylePair style) {
            ++plan.folders;
            plan.images += check.images;
            const bool exists = check.state != ConfigCheck::State::Missing;
            plan.replaces += exists ? 1 : 0;
            // Checked in its own style where it has one, so a style other than the one asked for
            // is its own.
            const std::optional<StylePair> own =
                exists && check.state != ConfigCheck::State::NotMapping && style != asked
                    ? std::optional(style)
                    : std::nullopt;
            if (!check.current()) {
                ++plan.updated;
                sample(plan.updatedSample, {folder, own, check.detail});
            }
            if (own) {
                ++plan.otherStyle;
                sample(plan.otherStyleSample, {folder, own, {}});
            }
        });
    return plan;
}

PackPlan sizeOfPack(const std::string& root, const std::atomic<bool>* cancel)
{
    PackPlan plan;
    walkFolders(root, [&](const std::string& folder, std::vector<std::string>& subfolders) {
        if (cancel != nullptr && cancel->load()) {
            return;
        }
        const std::size_t images = survey(folder, &subfolders).images;
        plan.folders += images > 0 ? 1 : 0;
        plan.images += images;
    });
    return plan;
}

} // namespace crestmap
