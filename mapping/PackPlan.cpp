#include "PackPlan.h"

#include "FolderReader.h"
#include "PackWalk.h"

namespace crestmap {

PackPlan planPack(const std::string& root, StylePair asked, JobControl* control,
                  const std::vector<std::string>& folders)
{
    PackPlan plan;
    PackRequest request;
    request.style = asked;
    request.rule = StyleRule::Update;
    request.recursive = folders.empty();
    request.folders = folders;
    request.control = control;
    const auto sample = [](std::vector<PlannedFolder>& samples, PlannedFolder folder) {
        if (samples.size() < PackPlan::sampleLimit) {
            samples.push_back(std::move(folder));
        }
    };
    using State = ConfigCheck::State;
    (void)checkPack(
        root, request,
        [&](const std::string& folder, const ConfigCheck& check, std::optional<StylePair> style) {
            ++plan.folders;
            plan.images += check.images;
            const bool keptCutShort = check.state == State::CutShort && !style;
            // The same records in another layout are current, but a write lays them out anew.
            const bool rewritten =
                (!check.current() && check.state != State::Missing && !keptCutShort) ||
                check.otherLayout;
            plan.creates += check.state == State::Missing ? 1 : 0;
            plan.unchanged += check.current() && !check.otherLayout ? 1 : 0;
            plan.replaces += rewritten ? 1 : 0;
            // Checked in its own style where it has one; that style is the decision's, since the
            // check of a current file reads no further than its bytes.
            const bool other = style && *style != asked;
            plan.writesAll += check.current() && !check.otherLayout && !other ? 0 : 1;
            if (check.state == State::Missing) {
                sample(plan.createdSample, {folder, style, check});
            } else if (rewritten) {
                sample(plan.updatedSample, {folder, style, check});
            }
            if (other) {
                ++plan.otherStyle;
                sample(plan.otherStyleSample, {folder, style, check});
            }
            if (keptCutShort) {
                ++plan.cutShort;
                sample(plan.cutShortSample, {folder, std::nullopt, check});
            }
        });
    return plan;
}

PackPlan sizeOfPack(const std::string& root, JobControl* control)
{
    PackPlan plan;
    walkFolders(root, [&](const std::string& folder, std::vector<std::string>& subfolders) {
        if (control != nullptr && !control->proceed()) {
            return;
        }
        FolderSurvey survey = surveyFolder(folder);
        subfolders = std::move(survey.subfolders);
        plan.folders += survey.images > 0 ? 1 : 0;
        plan.images += survey.images;
    });
    return plan;
}

} // namespace crestmap
