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

class UndoJournal;

/// The local file-system path of a URL, fully decoded, as the bytes the core works with;
/// nothing when the URL is not a local file.
[[nodiscard]] std::optional<std::string> localPathOf(const QUrl& url);

/// One write the window was asked for: files chosen one by one, or a folder with, perhaps,
/// the folders below it.
struct WriteRequest {
    enum class Source { Browse, Folder };
    Source source = Source::Folder;
    QString failure; ///< why no write could start, such as a URL that is not a local file

    std::string configPath;         ///< Browse: where config.xml goes
    std::vector<std::string> files; ///< Browse: the files, in the order chosen
    crestmap::StylePair style;      ///< Browse: the choices when it started

    std::string folder;         ///< a folder's write
    crestmap::PackRequest pack; ///< its style, rule and reach
};

/// What a running write has done so far, and whether it should stop; shared with the window.
struct WriteProgress {
    std::atomic<std::size_t> folders{0};
    std::atomic<std::size_t> images{0};
    std::atomic<bool> cancel{false};
};

/// Runs a write to its end, or until cancelled, on the calling thread, keeping in `journal`
/// what it replaces. Meant for a worker thread: it touches no widget.
[[nodiscard]] WriteReport runWrite(const WriteRequest& request, WriteProgress& progress,
                                   UndoJournal* journal);
