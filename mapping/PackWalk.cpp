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

// Lists a folder that is not written: its sub-folders, and whether it holds images at all.
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
// those that would not load.
class ImageVerifier : public WriteListener {
public:
    explicit ImageVerifier(WriteListener& next) : m_next(next) {}
    [[nodiscard]] bool wantsPictures() const override { return m_next.wantsPictures(); }
    void entry(const EntryAccount& entry) override
    {
        m_next.entry(entry);
        if (entry.reason) {
            return;
        }
        const auto problem = imageLoadProblem(
            entry.folder.empty() ? std::string(entry.name) : joinPath(entry.folder, entry.name));
        if (problem) {
            ++m_found;
            m_next.problem({ProblemAccount::Kind::Unloadable, entry.folder, entry.name, *problem});
        }
    }
    void folder(const FolderAccount& folder) override { m_next.folder(folder); }
    void problem(const ProblemAccount& problem) override
    {
        ++m_found;
        m_next.problem(problem);
    }
    [[nodiscard]] std::size_t found() const noexcept { return m_found; }

private:
    WriteListener& m_next;
    std::size_t m_found = 0;
};

// Visits the folders of a pack: the one asked for always, the others (when recursive) only
// when they hold image entries.
void forEachPackFolder(
    const std::string& root, const PackRequest& request,
    const std::function<void(const std::string& folder, FolderWriteOptions& options)>& visit)
{
    walkFolders(root, [&](const std::string& folder, std::vector<std::string>& subfolders) {
        // A cancelled walk visits nothing more, so the rest of it drains at once.
        if (request.cancel != nullptr && request.cancel->load()) {
            return;
        }
        FolderWriteOptions options;
        options.onlyWithImages = request.recursive;
        options.subfolders = request.recursive ? &subfolders : nullptr;
        options.cancel = request.cancel;
        visit(folder, options);
    });
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

bool writePack(const std::string& root, const PackRequest& request, WriteListener& listener,
               std::ostream& errors)
{
    ImageVerifier verifier(listener);
    WriteListener& told = request.verifyImages ? verifier : listener;
    ClashFinder clashes;
    std::vector<std::pair<std::string, StylePair>> written;
    bool allWritten = true;
    forEachPackFolder(root, request, [&](const std::string& folder, FolderWriteOptions& options) {
        const Decision decision = decide(folder, request);
        if (decision.action != Decision::Action::Write) {
            const FolderPass pass = survey(folder, options.subfolders);
            using Outcome = FolderAccount::Outcome;
            const Outcome outcome = !pass.error.empty()                         ? Outcome::Failed
                                    : decision.action == Decision::Action::Keep ? Outcome::Kept
                                    : pass.images > 0                           ? Outcome::NotMapped
                                                      : Outcome::LeftAlone;
            allWritten = allWritten && outcome != Outcome::Failed;
            if (outcome == Outcome::Failed) {
                errors << "Unexpected error: " << pass.error << ".\n" << std::flush;
            }
            const std::string configPath = configPathIn(folder);
            told.folder({folder, configPath, outcome, 0, pass.images, pass.error, decision.style});
            return;
        }
        if (request.beforeWrite) {
            request.beforeWrite(configPathIn(folder));
        }
        options.listener = &told;
        options.clashes = &clashes;
        options.last = !request.recursive;
        const WriteResult result =
            ConfigBuilder::writeFolderConfig(folder, decision.style, errors, options);
        allWritten = allWritten && (result || result.error.empty());
        if (result) {
            written.emplace_back(folder, decision.style);
        }
    });
    if (clashes.settle()) {
        reportFolderClashes(written, clashes, told);
    }
    return allWritten;
}

PackPlan planPack(const std::string& root, StylePair asked, const std::atomic<bool>* cancel)
{
    PackPlan plan;
    PackRequest request;
    request.recursive = true;
    request.cancel = cancel;
    forEachPackFolder(root, request, [&](const std::string& folder, FolderWriteOptions& options) {
        if (survey(folder, options.subfolders).images == 0) {
            return;
        }
        ++plan.folders;
        const OwnStyle own = readOwnStyle(folder);
        plan.replaces += own.exists ? 1 : 0;
        if (own.style && *own.style != asked) {
            plan.otherStyle.emplace_back(folder, *own.style);
        }
    });
    return plan;
}

PackCheck
checkPack(const std::string& root, const PackRequest& request,
          const std::function<void(const std::string& folder, const ConfigCheck& check)>& onFolder,
          WriteListener* listener)
{
    WriteListener none;
    ImageVerifier verifier(listener != nullptr ? *listener : none);
    ClashFinder clashes;
    std::vector<std::pair<std::string, StylePair>> checked;
    PackCheck pack;
    PackRequest own = request;
    own.rule = request.rule == StyleRule::AsAsked ? StyleRule::AsAsked : StyleRule::Update;
    forEachPackFolder(root, request, [&](const std::string& folder, FolderWriteOptions& options) {
        const Decision decision = decide(folder, own);
        options.listener = &verifier;
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
            onFolder(folder, check);
        }
    });
    if (clashes.settle()) {
        reportFolderClashes(checked, clashes, verifier);
    }
    pack.problems = verifier.found();
    return pack;
}

} // namespace crestmap
