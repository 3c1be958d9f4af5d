#include "ConfigCheck.h"

#include "FileNames.h"
#include "InputFile.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace crestmap {

namespace {

// Counts records added, removed and changed (same name, other line) between two documents.
void countDifferences(ConfigCheck& check, std::vector<RecordKey> before,
                      std::vector<RecordKey> after)
{
    std::ranges::sort(before);
    std::ranges::sort(after);
    std::vector<RecordKey> gone;
    std::vector<RecordKey> came;
    std::ranges::set_difference(before, after, std::back_inserter(gone));
    std::ranges::set_difference(after, before, std::back_inserter(came));
    // A name that lost a line and gained another: one changed record for each such pair.
    std::vector<RecordKey> changed;
    std::ranges::set_intersection(gone, came, std::back_inserter(changed), {}, &RecordKey::from,
                                  &RecordKey::from);
    check.changed = changed.size();
    check.removed = gone.size() - changed.size();
    check.added = came.size() - changed.size();
}

} // namespace

ConfigCheck::State checkStateOf(MappingScan::State file) noexcept
{
    using State = ConfigCheck::State;
    // In the order of MappingScan::State.
    static constexpr std::array<State, 5> states{
        State::Missing, State::Unreadable, State::NotMapping, State::CutShort, State::NotMapped};
    return states[static_cast<std::size_t>(file)];
}

ConfigCheck checkFolderConfig(const std::string& folder, StylePair style,
                              const FolderWriteOptions& options)
{
    using State = ConfigCheck::State;
    ConfigCheck check;
    const std::string path = configPathIn(folder);
    InputFile file(path);
    FileComparer comparer(file);
    std::vector<RecordKey> wanted;
    DocumentStream stream(
        style,
        [&comparer](std::string_view piece) {
            // Never refused: the listing goes on to its end, for the sub-folders it names.
            comparer.compare(piece);
            return true;
        },
        0, options.listener, folder);
    stream.collectKeys(&wanted);
    stream.findClashesWith(options.clashes);
    const FolderPass pass = streamFolder(folder, stream, options.subfolders, options.control);
    check.images = pass.images;
    if (pass.error || pass.cancelled) {
        check.error = pass.error;
        return check;
    }
    if (options.onlyWithImages && pass.images == 0) {
        check.state = State::NoImages;
        return check;
    }
    if (stream.finish() && comparer.sameToTheEnd()) {
        check.state = State::Current;
        return check;
    }

    // Not byte for byte the same: what matters is whether the game would read it otherwise.
    std::vector<RecordKey> held;
    (void)file.rewind();
    check.file = scanMappingFile(file, [&held](std::string_view from, std::string_view to) {
        held.push_back(recordKeyOf(from, to));
        return true;
    });
    if (check.file.state != MappingScan::State::Mapping) {
        check.state = checkStateOf(check.file.state);
        if (check.file.state == MappingScan::State::Unreadable) {
            check.error = FileError{FileError::Action::Read, path, check.file.error};
        }
        return check;
    }
    countDifferences(check, std::move(held), std::move(wanted));
    const bool sameRecords = check.added + check.removed + check.changed == 0;
    check.state = sameRecords && check.file.defaultOptions && !check.file.extraneous
                      ? State::Current
                      : State::Stale;
    check.otherLayout = check.state == State::Current;
    check.stale = !sameRecords                 ? ConfigCheck::Stale::Records
                  : !check.file.defaultOptions ? ConfigCheck::Stale::Options
                                               : ConfigCheck::Stale::Extraneous;
    return check;
}

} // namespace crestmap
