#pragma once

#include "SkipReason.h"
#include "WriteAccount.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

/// One row of the results: an image and the picture it maps to, or a problem and its reason.
struct ResultRow {
    enum class Kind : std::uint8_t { FailedFolder, PassedOver, NoRecord, Mapped };
    Kind kind = Kind::Mapped;
    crestmap::SkipReason reason = crestmap::SkipReason::StyleGivesNoRecord; ///< for problems
    std::string path; ///< relative to the report's base; a whole path for files chosen one by one
    std::string text; ///< the picture, or why a folder failed

    [[nodiscard]] bool problem() const noexcept { return kind != Kind::Mapped; }
};

/// Everything a front end's write came to, made from the core's account of it alone: the
/// figures, and the rows the results view shows, problems first.
struct WriteReport {
    bool written = false;
    QString failure;   ///< why nothing (or not everything) was written
    std::string base;  ///< the dropped folder that rows are relative to; empty for Browse
    bool pack = false; ///< a folder and its sub-folders
    crestmap::WriteTally tally;
    std::vector<ResultRow> rows;
    std::size_t problems = 0; ///< the first rows

    /// A write that never started, and why.
    [[nodiscard]] static WriteReport failed(const QString& reason);

    /// One line for the status bar and the results header.
    [[nodiscard]] QString summary() const;
    /// The summary, or a plain warning when a selection of files gave no record at all.
    [[nodiscard]] QString statusLine() const;
    /// The summary and the first files without a record, each with its reason.
    [[nodiscard]] QString details() const;
};

/// A finished write's report, shared by whoever shows it rather than copied: its rows can
/// number hundreds of thousands.
using SharedReport = std::shared_ptr<const WriteReport>;

/// Turns a write's account into a report as it is made; a folder's rows join only once its
/// outcome is known.
class ReportCollector : public crestmap::WriteListener {
public:
    explicit ReportCollector(WriteReport& report) : m_report(report) {}

    [[nodiscard]] bool wantsPictures() const override { return true; }
    void entry(const crestmap::EntryAccount& entry) override;
    void folder(const crestmap::FolderAccount& folder) override;

    /// Puts the problems first; call once the write is over.
    void finish();

private:
    [[nodiscard]] std::string shownPath(std::string_view folder, std::string_view name) const;

    WriteReport& m_report;
    std::vector<ResultRow> m_pending;
};
