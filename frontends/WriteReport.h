#pragma once

#include "PackWalk.h"
#include "SkipReason.h"
#include "StyleSelectors.h"

#include <QString>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

/// Everything a front end's write came to: the outcome, the figures, and the files it handled,
/// from which the results view computes its rows.
struct WriteReport {
    bool written = false;
    QString failure;        ///< why nothing (or not everything) was written
    std::string configPath; ///< the config.xml written, or the dropped folder for a pack
    crestmap::StylePair style;
    std::size_t records = 0;
    std::size_t foldersWritten = 0; ///< more than one only for a folder and its sub-folders
    crestmap::SkipTally skipped;

    std::string base;               ///< the folder that `files` are relative to; empty for Browse
    std::vector<std::string> files; ///< every file handed to the writer, in record order
    std::vector<std::string> passedOver; ///< entries passed over for their extension's case
    std::vector<crestmap::FolderFailure> failedFolders;

    /// A write that never started, and why.
    [[nodiscard]] static WriteReport failed(const QString& reason);

    /// One line for the status bar and the results header.
    [[nodiscard]] QString summary() const;
    /// The summary, or a plain warning when a selection of files gave no record at all.
    [[nodiscard]] QString statusLine() const;
    /// The summary and the first files without a record, each with its reason.
    [[nodiscard]] QString details() const;
};

/// A finished write's report, shared by whoever shows it rather than copied: its file list can
/// hold hundreds of thousands of names.
using SharedReport = std::shared_ptr<const WriteReport>;
