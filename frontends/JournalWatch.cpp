#include "JournalWatch.h"

#include "JournalIndex.h"
#include "PathText.h"
#include "UndoReplay.h"

#include <QCoreApplication>
#include <QDir>

JournalWatch::JournalWatch(QObject* parent) : QObject(parent)
{
    if (const crestmap::UndoFolder where = crestmap::undoFolder(); !where.path.empty()) {
        QDir().mkpath(qtPath(where.path));
        m_watcher.addPath(qtPath(where.path));
    }
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &JournalWatch::changed);
}

void JournalWatch::refresh(bool busy)
{
    const std::optional<crestmap::Journal> last = crestmap::lastWrite();
    const int folders = last ? static_cast<int>(last->entries.size()) : 0;
    // In the controller's translation context, with the rest of what its jobs say.
    emit undoAvailable(!busy && last,
                       last ? QCoreApplication::translate("WriteController",
                                                          "&Undo Write of %n Folder(s)", nullptr,
                                                          folders)
                            : QCoreApplication::translate("WriteController", "&Undo"));
}
