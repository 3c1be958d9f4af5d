#include "JournalWatch.h"

#include "JournalIndex.h"
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

void JournalWatch::refresh(bool busy)
{
    const std::optional<crestmap::Journal> last = crestmap::lastWrite();
    const int folders = last ? static_cast<int>(last->entries.size()) : 0;
    // In the controller's translation context, with the rest of what its jobs say.
    emit undoAvailable(!busy && last,
                       last ? QCoreApplication::translate("WriteController",
                                                          "&Undo Write of %Ln Folder(s)", nullptr,
                                                          folders)
                            : QCoreApplication::translate("WriteController", "&Undo"),
                       last ? last->name : std::string());
}
