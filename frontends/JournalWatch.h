#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <string>

/// The undo journals' folder, watched rather than polled: another program may write or undo at
/// any time, and the Edit menu says what there is to undo.
class JournalWatch : public QObject {
    Q_OBJECT

public:
    explicit JournalWatch(QObject* parent = nullptr);

    /// Says again what there is to undo: nothing while a job runs (`busy`).
    void refresh(bool busy);

signals:
    /// The journals' folder changed: a write or an undo, of either program.
    void changed();
    /// Whether there is a write to undo, the Edit menu's words for it, and its journal's name.
    void undoAvailable(bool available, const QString& text, const std::string& last);

private:
    void watch();

    QFileSystemWatcher m_watcher;
};
