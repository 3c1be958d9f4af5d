#pragma once

#include "ConfigCheck.h"
#include "WriteAccount.h"

#include <iosfwd>
#include <string>

namespace crestmap::cli {

/// How crestmap-cli reports what it did: lines for a person, or one JSON object a line.
enum class Format { Text, Json };

/// Keeps a run's figures and prints what a person (or a pack's CI) needs to see as the core's
/// account arrives: folders kept or not mapped yet, failures, and with `verbose` every file
/// without a record and every image with a problem.
class CliReport : public WriteTally {
public:
    CliReport(Format format, bool verbose, std::ostream& out, std::ostream& err);

    void entry(const EntryAccount& entry) override;
    void folder(const FolderAccount& folder) override;
    void problem(const ProblemAccount& problem) override;

    /// One folder's check.
    void checked(const std::string& folder, const ConfigCheck& check);

    /// "; 2 files without a record (kit name), 1 image clashes": what a run left out or found,
    /// after its main figure.
    [[nodiscard]] std::string suffix() const;

    [[nodiscard]] bool json() const noexcept { return m_format == Format::Json; }

private:
    Format m_format;
    bool m_verbose;
    std::ostream& m_out;
    std::ostream& m_err;
};

/// `text` as a JSON string; bytes that are not UTF-8 stand as the characters of their values.
[[nodiscard]] std::string jsonString(std::string_view text);

/// An absolute, tidy form of a path for messages.
[[nodiscard]] std::string shown(const std::string& path);

} // namespace crestmap::cli
