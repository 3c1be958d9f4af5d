#pragma once

#include "PackWalk.h"
#include "StyleSelectors.h"
#include "WriteReport.h"

#include <QString>
#include <QUrl>
#include <atomic>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

/// The local file-system path of a URL, fully decoded, as the bytes the core works with;
/// nothing when the URL is not a local file.
[[nodiscard]] std::optional<std::string> localPathOf(const QUrl& url);

/// One write or check the window was asked for: files chosen one by one, a folder with, perhaps,
/// the folders below it, or chosen folders of a pack.
struct WriteRequest {
    enum class Source {
        Browse, ///< files chosen one by one
        Drop,   ///< a folder dropped on the window
        Chosen, ///< a folder chosen with Write folder…
        Update, ///< the folders a check found stale or missing
        Check,  ///< a folder to check; nothing is written
    };
    Source source = Source::Drop;
    QString failure; ///< why nothing could start, such as a URL that is not a local file

    std::string folder;             ///< the folder the rows are relative to
    crestmap::PackRequest pack;     ///< its style, rule and reach; the files chosen for Browse
    std::size_t plannedFolders = 0; ///< known before it starts, from the plan
    std::size_t plannedImages = 0;

    [[nodiscard]] bool checking() const noexcept { return source == Source::Check; }
    /// Whether the user is shown a plan first: a write of several folders.
    [[nodiscard]] bool planned() const noexcept
    {
        return failure.isEmpty() && source != Source::Browse && source != Source::Check &&
               (pack.recursive || source == Source::Update);
    }
};

/// What a running job has done so far, and whether it should stop; shared with the window.
struct WriteProgress {
    std::atomic<std::size_t> folders{0};
    std::atomic<std::size_t> images{0};
    std::atomic<std::size_t> totalFolders{0}; ///< 0 until known
    std::atomic<std::size_t> totalImages{0};
    std::atomic<bool> cancel{false};
};

/// Runs a write or a check to its end, or until cancelled, on the calling thread, keeping in the
/// undo journal what a write replaces. Meant for a worker thread: it touches no widget.
[[nodiscard]] WriteReport runJob(const WriteRequest& request, WriteProgress& progress);
