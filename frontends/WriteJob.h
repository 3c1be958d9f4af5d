#pragma once

#include "PackWalk.h"
#include "StyleSelectors.h"
#include "WriteProgress.h"
#include "WriteReport.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <cstddef>
#include <optional>
#include <string>

/// The local file-system path of a URL, fully decoded, as the bytes the core works with;
/// nothing when the URL is not a local file.
[[nodiscard]] std::optional<std::string> localPathOf(const QUrl& url);

/// One write or check the window was asked for: files chosen one by one, a folder with, perhaps,
/// the folders below it, or chosen folders of a pack. Every way in makes one here.
struct WriteRequest {
    enum class Source {
        Browse, ///< files chosen one by one
        Drop,   ///< a folder dropped on the window
        Chosen, ///< a folder chosen with Write folder…
        Update, ///< the folders a check found not current
        Check,  ///< a folder to check; nothing is written
        Opened, ///< the folder the window was started on, to check
        Again,  ///< the folder the list shows, checked again after another program changed it
    };
    Source source = Source::Drop;
    QString failure; ///< why nothing could start, such as a URL that is not a local file
    QString lead;    ///< said before the summary: what an undo did, for the check after it

    std::string folder;             ///< the folder the rows are relative to
    crestmap::PackRequest pack;     ///< its style, rule and reach; the files chosen for Browse
    std::size_t plannedFolders = 0; ///< known before it starts, from the plan
    std::size_t plannedImages = 0;

    /// The files chosen one by one: config.xml beside the first, every file in order.
    [[nodiscard]] static WriteRequest forFiles(const QList<QUrl>& files, crestmap::StylePair style);
    /// A folder dropped, chosen or checked, in the style chosen; with its sub-folders when asked.
    [[nodiscard]] static WriteRequest forFolder(const QUrl& folder, Source source,
                                                crestmap::StylePair style, bool subfolders);
    /// The folders a check found not current, each in its own style or the one chosen.
    [[nodiscard]] static WriteRequest forUpdate(const WriteReport& check,
                                                crestmap::StylePair style);

    [[nodiscard]] bool checking() const noexcept
    {
        return source == Source::Check || source == Source::Opened || source == Source::Again;
    }
    /// Whether the user is shown a plan first: a write of several folders.
    [[nodiscard]] bool planned() const noexcept
    {
        return failure.isEmpty() && !checking() && source != Source::Browse &&
               (pack.recursive || source == Source::Update);
    }
};

/// Runs a write or a check to its end, or until stopped, on the calling thread, keeping in the
/// undo journal what a write replaces. Meant for a worker thread: it touches no widget.
[[nodiscard]] WriteReport runJob(const WriteRequest& request, WriteProgress& progress);
