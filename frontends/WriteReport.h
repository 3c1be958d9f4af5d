#pragma once

#include "ConfigCheck.h"
#include "FileError.h"
#include "PackWalk.h"
#include "SkipReason.h"
#include "WriteAccount.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

/// One row of the results: an image and the picture it maps to, a folder's verdict, or a problem
/// and its reason.
struct ResultRow {
    enum class Kind : std::uint8_t {
        FailedFolder,
        KeptFolder,     ///< kept in its own style, cut short, or not mapped yet
        OutdatedFolder, ///< a check found its config.xml not current
        PassedOver,
        NoRecord,
        Clash,         ///< `text` is the other image's whole path
        Unloadable,    ///< `text` says what the file holds
        CurrentFolder, ///< a check found its config.xml current
        Mapped,
    };
    Kind kind = Kind::Mapped;
    crestmap::SkipReason reason = crestmap::SkipReason::StyleGivesNoRecord; ///< for skipped files
    std::string path; ///< relative to the report's base; a whole path for files chosen one by one
    std::string text; ///< the picture, the other image, or the verdict in the window's words

    [[nodiscard]] bool problem() const noexcept { return kind < Kind::CurrentFolder; }
    [[nodiscard]] bool folder() const noexcept
    {
        return kind == Kind::FailedFolder || kind == Kind::KeptFolder ||
               kind == Kind::OutdatedFolder || kind == Kind::CurrentFolder;
    }
};

/// The results' columns: what a row is shown and sorted by.
enum class ResultColumn : std::uint8_t { File, Picture, Folder };
constexpr std::size_t resultColumns = 3;

/// Everything a write or a check of the window came to, made from the core's account alone: the
/// facts, and the rows the results view shows, problems first.
struct WriteReport {
    bool written = false; ///< every folder written (a check: everything current)
    bool checked = false; ///< a check, not a write
    QString failure;      ///< why nothing could be written, or what the report stands for
    std::string base;     ///< the folder rows are relative to; empty for Browse
    bool pack = false;    ///< several folders
    crestmap::WriteTally tally;
    std::vector<crestmap::Fact> facts;
    std::vector<ResultRow> rows;
    std::size_t problems = 0;                     ///< the first rows
    std::optional<crestmap::FileError> undoError; ///< why this write cannot be undone
    std::string journal;                          ///< its undo journal, when it has one
    /// How many images each folder (relative, "." for the top) holds, and in which style its
    /// config.xml was written, kept or checked.
    std::unordered_map<std::string, std::size_t> folderImages;
    std::unordered_map<std::string, crestmap::StylePair> folderStyles;
    std::vector<std::string> outdated; ///< a check's folders that an update would write
    std::vector<std::string> current;  ///< and those it leaves, whose images may clash with them
    bool descended = false;            ///< a check that took in the folders below, as asked
    bool again = false;                ///< the list checked again unasked: shown as the user had it
    QString lead;                      ///< said before the summary, such as what an undo did
    std::optional<crestmap::StylePair> asked; ///< the style asked for, to check in again
    bool cancelled = false;
    /// Each row's place in each column's natural order, its problems first; made with the rows,
    /// so that a sort in the window compares two numbers.
    std::array<std::vector<std::uint32_t>, resultColumns> ranks;

    /// A report of no write, such as one that could not start, or of an undo.
    [[nodiscard]] static WriteReport saying(const QString& text);

    /// One line for the status bar and the results header.
    [[nodiscard]] QString summary() const;
    /// The summary, or a plain warning when a selection of files gave no record at all.
    [[nodiscard]] QString statusLine() const;
    /// The record line of a row whose image has one.
    [[nodiscard]] std::optional<std::string> recordOf(const ResultRow& row) const;
    /// The folders whose config.xml was written or found current.
    [[nodiscard]] std::size_t foldersWritten() const noexcept
    {
        return tally.folders(crestmap::FolderAccount::Outcome::Written) +
               tally.folders(crestmap::FolderAccount::Outcome::Unchanged);
    }
    /// The config.xml the write wrote or found current, and its folder; empty when none.
    [[nodiscard]] QString writtenFolder() const;
    /// The folder the rows are of, as the title names it; empty when none.
    [[nodiscard]] QString shownFolder() const;
    /// The text a row is sorted by in `column`, and the folder it is shown in.
    [[nodiscard]] std::string_view sortText(const ResultRow& row, ResultColumn column) const;
    [[nodiscard]] std::string_view folderOf(const ResultRow& row) const;
    /// Set in the rank of every row that needs no attention.
    static constexpr std::uint32_t notProblemBit = 1U << 31;
};

/// `path` below `base` as seen from it, `base` a drive's root too; "." for `base` itself.
[[nodiscard]] std::string_view relativeTo(std::string_view path, std::string_view base);

/// A finished write's report, shared by whoever shows it rather than copied: its rows can
/// number hundreds of thousands.
using SharedReport = std::shared_ptr<const WriteReport>;
/// Shares `report`, to be freed on a worker thread once the last holder lets go: hundreds of
/// thousands of rows take tens of milliseconds to free, which would hold the window.
[[nodiscard]] SharedReport shareReport(WriteReport report);
