#pragma once

#include "ConfigCheck.h"
#include "PackWalk.h"
#include "UndoJournal.h"
#include "WriteAccount.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace crestmap {

/// The words for each fact of an account, shared by every front end so that the command line,
/// the window's summary and its alerts say the same thing the same way.

/// "kept: maps kit records": a folder left in its own style.
[[nodiscard]] std::string describeKept(StylePair style);

/// "maps to the same picture as /pack/b/12.png", or what an image holds instead of image data.
[[nodiscard]] std::string describeProblem(const ProblemAccount& problem);

/// "replaced /pack/kits/config.xml: 7 records it held are not in the new one".
[[nodiscard]] std::string describeLoss(std::string_view configPath, std::size_t lost);

/// "current", "missing", "stale", "not a mapping file", "failed": a check's state in a word.
[[nodiscard]] std::string_view describeCheckState(ConfigCheck::State state);

/// The facts of a pack's check in the order a person reads them: how many config.xml files are
/// current or not, folders that could not be read, then what the tally found.
[[nodiscard]] std::vector<std::string> checkFacts(const PackCheck& check, const WriteTally& tally);

/// The facts of an undo: what it put back, removed, left alone and could not put back.
[[nodiscard]] std::vector<std::string> undoFacts(const UndoOutcome& outcome);

} // namespace crestmap
