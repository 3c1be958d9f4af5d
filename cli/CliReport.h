#pragma once

#include "ConfigCheck.h"
#include "UndoReplay.h"
#include "WriteAccount.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace crestmap::cli {

/// How crestmap-cli reports what it did: lines for a person, or one JSON object a line.
enum class Format { Text, Json };

/// Keeps a run's figures and prints what a person (or a pack's CI) needs to see as the core's
/// account arrives: folders kept or not mapped yet, failures, replaced files that lost records,
/// and with `verbose` every folder written and file without a record, and every image with a
/// problem.
class CliReport : public WriteTally {
public:
    CliReport(Format format, bool verbose, std::ostream& out, std::ostream& err)
        : m_json(format == Format::Json), m_verbose(verbose), m_out(out), m_err(err)
    {}

    void entry(const EntryAccount& entry) override;
    void folder(const FolderAccount& folder) override;
    void problem(const ProblemAccount& problem) override;

    /// One folder's check, in the style it was checked in, if any.
    void checked(const std::string& folder, const ConfigCheck& check,
                 std::optional<StylePair> style);
    /// What undoing the last write did, file by file, and in all.
    void undone(const UndoOutcome& outcome);
    /// The run's summary: a line of text; JSON has none.
    void summary(const std::string& line);

private:
    bool m_json;
    bool m_verbose;
    std::ostream& m_out;
    std::ostream& m_err;
};

} // namespace crestmap::cli
