#pragma once

#include "SkipReason.h"
#include "WriteAccount.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct WriteProgress;

/// One row of the results: an image and the picture it maps to, or a problem and its reason.
struct ResultRow {
    enum class Kind : std::uint8_t {
        FailedFolder,
        KeptFolder, ///< kept in its own style, or not mapped yet
        PassedOver,
        NoRecord,
        Clash,      ///< `text` names the other image
        Unloadable, ///< `text` says what the file holds
        Mapped,
    };
    Kind kind = Kind::Mapped;
    crestmap::SkipReason reason = crestmap::SkipReason::StyleGivesNoRecord; ///< for problems
    std::string path; ///< relative to the report's base; a whole path for files chosen one by one
    std::string text; ///< the picture, or what is wrong

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
    std::size_t problems = 0;    ///< the first rows
    std::size_t lostRecords = 0; ///< records the replaced files held that the new ones lack
    QString hint;                ///< what the user may have meant to do instead
    /// With a pack: how many images each folder (relative, "." for the top) holds.
    std::unordered_map<std::string, std::size_t> folderImages;
    bool cancelled = false; ///< stopped by the user before the end

    /// A write that never started, and why.
    [[nodiscard]] static WriteReport failed(const QString& reason);

    /// One line for the status bar and the results header.
    [[nodiscard]] QString summary() const;
    /// The summary, or a plain warning when a selection of files gave no record at all.
    [[nodiscard]] QString statusLine() const;
    /// The summary and the first files without a record, each with its reason.
    [[nodiscard]] QString details() const;
};

/// The folder part of a path relative to a pack's top: "." for the top itself.
[[nodiscard]] std::string_view folderPart(std::string_view relativePath);

/// "1 folder" or "3 folders": `one` or `many` with the count in place of %1.
[[nodiscard]] QString counted(std::size_t count, const char* one, const char* many);

/// A finished write's report, shared by whoever shows it rather than copied: its rows can
/// number hundreds of thousands.
using SharedReport = std::shared_ptr<const WriteReport>;

/// Turns a write's account into a report as it is made; a folder's rows join only once its
/// outcome is known.
class ReportCollector : public crestmap::WriteListener {
public:
    explicit ReportCollector(WriteReport& report, WriteProgress* progress = nullptr)
        : m_report(report), m_progress(progress)
    {}

    [[nodiscard]] bool wantsPictures() const override { return true; }
    void entry(const crestmap::EntryAccount& entry) override;
    void folder(const crestmap::FolderAccount& folder) override;
    void problem(const crestmap::ProblemAccount& problem) override;

    /// Puts the problems first; call once the write is over.
    void finish();

private:
    [[nodiscard]] std::string shownPath(std::string_view folder, std::string_view name) const;

    WriteReport& m_report;
    WriteProgress* m_progress;
    std::size_t m_folderStart = 0; ///< the first row of the folder under way
};
