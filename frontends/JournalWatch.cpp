#include "JournalWatch.h"

#include "FileNames.h"
#include "PathText.h"
#include "UndoReplay.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <iterator>

JournalWatch::JournalWatch(QObject* parent) : QObject(parent)
{
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &JournalWatch::changed);
}

void JournalWatch::watch(const std::optional<crestmap::Journal>& last)
{
    // Until the journals' folder is made, the nearest folder above it that is there: watching
    // makes nothing on disk. The last write's own folder too, where an undo writes its index.
    const std::string root = crestmap::undoFolder().path;
    QString path = qtPath(root);
    while (!path.isEmpty() && !QFileInfo::exists(path) && QFileInfo(path).path() != path) {
        path = QFileInfo(path).path();
    }
    QStringList paths{path};
    if (last) {
        paths << qtPath(crestmap::joinPath(root, last->name));
    }
    if (!path.isEmpty() && m_watcher.directories() != paths) {
        if (!m_watcher.directories().isEmpty()) {
            m_watcher.removePaths(m_watcher.directories());
        }
        m_watcher.addPaths(paths);
    }
}

void JournalWatch::refresh(bool busy, bool ours)
{
    std::optional<crestmap::Journal> last = crestmap::lastWrite();
    watch(last);
    const auto name = [](const auto& journal) { return journal ? journal->name : std::string(); };
    const QDateTime index =
        last ? QFileInfo(qtPath(crestmap::joinPath(
                             crestmap::joinPath(crestmap::undoFolder().path, last->name),
                             crestmap::journalIndex)))
                   .lastModified()
             : QDateTime();
    std::vector<std::string> elsewhere;
    const bool changed = !busy && !ours && (name(last) != name(m_last) || index != m_lastIndex);
    // A write made since only ends the undo of the one before: its files are as they were.
    const bool superseded = last && m_last && last->name != m_last->name;
    for (const auto* journal : {&m_last, &last}) {
        if (changed && *journal && !(superseded && journal == &m_last)) {
            std::ranges::transform((*journal)->entries, std::back_inserter(elsewhere),
                                   &crestmap::JournalEntry::configPath);
        }
    }
    // What changes during a job of ours is taken as it stands once the job is done.
    if (!busy || ours) {
        m_last = last;
        m_lastIndex = index;
    }
    const int folders = last ? static_cast<int>(last->entries.size()) : 0;
    // In the controller's translation context, with the rest of what its jobs say.
    emit undoAvailable(!busy && last,
                       last ? QCoreApplication::translate("WriteController",
                                                          "&Undo Write of %Ln Folder(s)", nullptr,
                                                          folders)
                            : QCoreApplication::translate("WriteController", "&Undo"),
                       last ? last->name : std::string());
    // Last: what is done with it may start a job, which says again what there is to undo.
    if (changed) {
        emit writtenElsewhere(elsewhere);
    }
}
