#include "JournalWatch.h"

#include "PathText.h"
#include "UndoReplay.h"

#include <QCoreApplication>
#include <QFileInfo>

JournalWatch::JournalWatch(QObject* parent) : QObject(parent)
{
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        watch();
        emit changed();
    });
    watch();
}

void JournalWatch::watch()
{
    // Until the journals' folder is made, the nearest folder above it that is there: watching
    // makes nothing on disk.
    QString path = qtPath(crestmap::undoFolder().path);
    while (!path.isEmpty() && !QFileInfo::exists(path) && QFileInfo(path).path() != path) {
        path = QFileInfo(path).path();
    }
    if (!path.isEmpty() && m_watcher.directories() != QStringList{path}) {
        if (!m_watcher.directories().isEmpty()) {
            m_watcher.removePaths(m_watcher.directories());
        }
        m_watcher.addPath(path);
    }
}

void JournalWatch::refresh(bool busy, bool ours)
{
    std::optional<crestmap::Journal> last = crestmap::lastWrite();
    const auto name = [](const auto& journal) { return journal ? journal->name : std::string(); };
    std::vector<std::string> elsewhere;
    const bool changed = !busy && !ours && name(last) != name(m_last);
    for (const auto* journal : {&m_last, &last}) {
        for (std::size_t e = 0; changed && *journal && e < (*journal)->entries.size(); ++e) {
            elsewhere.push_back((*journal)->entries[e].configPath);
        }
    }
    // What changes during a job of ours is taken as it stands once the job is done.
    if (!busy || ours) {
        m_last = last;
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
