#pragma once

#include "JobControl.h"

#include <QCoreApplication>
#include <QString>
#include <atomic>
#include <cstddef>
#include <functional>

/// What a running job has done so far, and what holds or stops it; shared with the window, which
/// says it in the running job's words.
struct WriteProgress {
    Q_DECLARE_TR_FUNCTIONS(WriteController)

public:
    std::atomic<std::size_t> folders{0};
    std::atomic<std::size_t> images{0};
    std::atomic<std::size_t> imagesDone{0};   ///< of the folders done, as a pack's line counts them
    std::atomic<std::size_t> totalFolders{0}; ///< 0 until known
    std::atomic<std::size_t> totalImages{0};
    crestmap::JobControl control;
    bool surveying = false; ///< looking through a pack before its plan or check; window's only
    /// Called from the job once a check of a folder without images goes on below it.
    std::function<void()> descending;

    /// How far a write, or a check, has come: "Writing 30 of 100 folders · 1,200 of 4,000
    /// images", or that it is still looking through the folders.
    [[nodiscard]] QString text(bool checking) const;
    /// Whether to stop the paused write and quit, saying how far it has come: "The write is
    /// paused at 30 of 100 folders. Stop it and quit?".
    [[nodiscard]] QString quitQuestion() const;
    /// Whether stopping now leaves folders of the write without their new config.xml.
    [[nodiscard]] bool foldersLeft() const noexcept
    {
        const std::size_t total = totalFolders.load();
        return total == 0 || folders.load() < total;
    }
};
