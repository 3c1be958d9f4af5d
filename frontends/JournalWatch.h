#pragma once

#include "JournalIndex.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <optional>
#include <string>
#include <vector>

/// The undo journals' folder, watched rather than polled: another program may write or undo at
/// any time, and the Edit menu says what there is to undo.
class JournalWatch : public QObject {
    Q_OBJECT

public:
    explicit JournalWatch(QObject* parent = nullptr);

    /// Says again what there is to undo, and watches what it read: nothing while a job runs
    /// (`busy`). A change of the last write that is not `ours` is another program's, told by
    /// writtenElsewhere once no job runs.
    void refresh(bool busy, bool ours);

signals:
    /// The journals' folder changed: a write or an undo, of either program.
    void changed();
    /// Whether there is a write to undo, the Edit menu's words for it, and its journal's name.
    void undoAvailable(bool available, const QString& text, const std::string& last);
    /// Another program wrote or took back these config.xml files.
    void writtenElsewhere(const std::vector<std::string>& configs);

private:
    void watch(const std::optional<crestmap::Journal>& last);

    QFileSystemWatcher m_watcher;
    std::optional<crestmap::Journal> m_last; ///< the last write as last seen
    /// When its index was written: an undo that leaves every file alone writes only that.
    QDateTime m_lastIndex;
};
