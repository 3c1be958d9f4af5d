#pragma once

#include "JournalWatch.h"
#include "Prompts.h"
#include "ResultAlert.h"
#include "UndoReplay.h"
#include "WriteJob.h"

#include <QFuture>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <optional>
#include <string>

class QWidget;

/// Runs the window's writes, checks and undos on a worker, one at a time, with progress, Cancel
/// and a pause, and asks what needs asking first: the plan of a pack, a folder that maps another
/// style, an undo of a write the window does not show. The outcome alert follows each write.
class WriteController : public QObject {
    Q_OBJECT

public:
    WriteController(Prompts& prompts, QWidget* window);
    ~WriteController() override { abandon(); }

    /// Starts a write or a check, after its plan or question where it has one; false, and
    /// ignored, while another job runs.
    [[nodiscard]] bool start(WriteRequest request);
    /// Asks the running job to stop: between folders, or within a folder's listing.
    void cancel();
    /// Holds the running job where it is, so that what the user is told stays true; then goes on.
    void pause();
    void resume();
    /// Stops the running job for good as the window goes, with no alert or Undo, and waits for it.
    void abandon();
    /// Takes back the last write of either program; when it is not `shown`, the write the window
    /// shows, the user is asked first.
    void undo(const std::string& shown);
    /// Shows `text` in place of a list, as the report of no write.
    void say(const QString& text);
    /// Looks again at what there is to undo: another program may have written since.
    void refreshUndo() { m_journals->refresh(m_busy, false); }
    /// What there is to undo, and what another program wrote or took back.
    [[nodiscard]] JournalWatch& journals() noexcept { return *m_journals; }

    [[nodiscard]] bool busy() const noexcept { return m_busy; }
    /// The folder the running job works in; empty for an undo, or when none runs.
    [[nodiscard]] QString jobFolder() const { return m_busy ? m_folder : QString(); }
    /// Whether the running job writes, rather than only looks or checks.
    [[nodiscard]] bool writing() const noexcept { return m_busy && m_writing; }
    /// How far the running job has come, in words.
    [[nodiscard]] QString progressText() const
    {
        return m_progress ? m_progress->text(!m_writing) : QString();
    }
    /// The question before quitting, with how far the write has come.
    [[nodiscard]] QString quitQuestion() const
    {
        return m_progress ? m_progress->quitQuestion() : QString();
    }
    [[nodiscard]] bool foldersLeft() const { return !m_progress || m_progress->foldersLeft(); }

signals:
    void busyChanged(bool busy);
    /// How far the running job has come, a few times a second; `total` 0 while unknown.
    void progressed(const QString& text, std::size_t done, std::size_t total);
    /// A job ended, with what it did; the alert follows a write. An undo's says it in a line.
    void reported(const SharedReport& report);
    /// A check of a folder without images of its own goes on into the folders below it.
    void descending();
    /// An undo ended: its words, and the config.xml files it put back, removed or left.
    void undone(const QString& words, const std::vector<std::string>& configs);

private:
    template <typename Work, typename Then> void inBackground(Work work, Then then)
    {
        auto future = QtConcurrent::run(&m_pool, std::move(work));
        m_running = QFuture<void>(future);
        future.then(this, std::move(then));
    }
    void setBusy(bool busy);
    /// Runs the request by the rule the user's answer gives it, or ends it unrun on Cancel.
    void runAsAnswered(WriteRequest request, StyleChoice choice);
    void look(WriteRequest request);
    void survey(WriteRequest request);
    void awaitAnswer();
    void run(WriteRequest request);
    void finish(const SharedReport& report);
    void showAlert(const ResultAlert& alert, const std::string& journal);
    void runUndo(crestmap::UndoOptions options);
    void tick();

    Prompts& m_prompts;
    QWidget* m_window;
    bool m_busy = false;
    bool m_writing = false;
    bool m_abandoned = false;
    bool m_paused = false;
    std::optional<std::pair<ResultAlert, std::string>> m_held; ///< an alert kept during a pause
    WriteRequest::Source m_source = WriteRequest::Source::Drop;
    QString m_folder;
    std::shared_ptr<WriteProgress> m_progress;
    std::string m_own; ///< the journal of this window's last write
    QFuture<void> m_running;
    /// The jobs' own threads: a future ends before its continuation is handed to this object,
    /// so only the pool's end says that nothing more will reach it.
    QThreadPool m_pool;
    QTimer m_ticker;
    JournalWatch* m_journals;
};
