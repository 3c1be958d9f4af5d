#pragma once

#include "ConfigCheck.h"
#include "FileError.h"
#include "ImageCheck.h"
#include "MappingFile.h"
#include "SkipReason.h"
#include "StyleSelectors.h"
#include "UndoReplay.h"
#include "WriteAccount.h"

#include <string>
#include <string_view>
#include <vector>

namespace crestmap::cli {

/// The command line's words for each fact of the core, in one table: scripts read them, so they
/// stay English and stay put. A file error is worded by the core's describeForLog.

/// "kit", "kit texture", "club logo", "stadium background": what a style's records are.
[[nodiscard]] std::string styleWords(StylePair style);

/// An account's facts on one line, joined by "; ", the first word in capitals: "Wrote 4 records
/// to /pack/config.xml; 1 folder kept in its own style".
[[nodiscard]] std::string factLine(const std::vector<Fact>& facts);

/// Why a file got no record: "a kit image needs a name like TEAM_KIT, with exactly one
/// underscore"; and the same in a few words, for counts and JSON: "kit name".
[[nodiscard]] std::string_view skipWords(SkipReason reason);
[[nodiscard]] std::string_view skipLabel(SkipReason reason);

/// Why an image would not load: "not a PNG image (0 bytes)".
[[nodiscard]] std::string imageWords(const ImageProblem& problem);

/// What became of a folder, as JSON has it: "written", "not mapped yet".
[[nodiscard]] std::string_view outcomeWord(FolderAccount::Outcome outcome);

/// A check's verdict in a word or two, as JSON has it: "current", "cut short".
[[nodiscard]] std::string_view stateWord(ConfigCheck::State state);

/// What is wrong beyond the verdict, or nothing: "1 record to add", "ends inside a record",
/// "it is empty".
[[nodiscard]] std::string checkDetail(const ConfigCheck& check);

/// What a file that is cut short or no mapping file is: "ends inside a record", "a named pipe".
[[nodiscard]] std::string fileDetail(const MappingScan& file);

/// Why undo did nothing, or could not put a file back.
[[nodiscard]] std::string nothingWords(const UndoOutcome& outcome);
[[nodiscard]] std::string failureWords(const UndoOutcome::Failure& failure);

/// The summary of an undo: "Undo: 8 config.xml files put back, 0 removed".
[[nodiscard]] std::string undoLine(const UndoOutcome& outcome);

} // namespace crestmap::cli
