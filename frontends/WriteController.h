#pragma once

#include "WriteJob.h"
#include "WriteReport.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>
#include <memory>

class Prompts;
class QWidget;
class UndoJournal;

/// Runs the window's writes on a worker, one at a time, with progress and Cancel, and Undo of
/// the last one; the outcome alert follows each write, as it always has.
class WriteController : public QObject {
    Q_OBJECT

public:
    WriteController(Prompts& prompts, QWidget* window);
    ~WriteController() override;

    /// Starts a write; a folder with its sub-folders is first surveyed, and its plan shown.
    /// Ignored while another write runs.
    void start(WriteRequest request);
    /// Asks the running write to stop: between folders, or within a folder's listing.
    void cancel();
    /// Puts back what the last write replaced, and removes what it made.
    void undo();

    [[nodiscard]] bool busy() const noexcept { return m_busy; }
    [[nodiscard]] bool canUndo() const noexcept;

signals:
    void busyChanged(bool busy);
    /// How far the running write has come, a few times a second.
    void progressed(const QString& text);
    /// A write ended, with what it did; the alert follows.
    void reported(const SharedReport& report);
    /// Undo ended, with what it did in a line.
    void undone(const QString& summary);
    void undoAvailable(bool available);

private:
    void setBusy(bool busy);
    void run(WriteRequest request);
    void finish();

    Prompts& m_prompts;
    QWidget* m_window;
    bool m_busy = false;
    WriteRequest::Source m_source = WriteRequest::Source::Folder;
    std::shared_ptr<WriteProgress> m_progress;
    std::shared_ptr<UndoJournal> m_journal;
    std::shared_ptr<UndoJournal> m_running;
    QFutureWatcher<SharedReport> m_write;
    QTimer m_ticker;
};
