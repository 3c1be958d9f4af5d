#pragma once

#include "ResultAlert.h"
#include "WriteJob.h"
#include "WriteReport.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>
#include <utility>

class Prompts;
class QWidget;

/// Runs the window's writes and checks on a worker, one at a time, with progress and Cancel,
/// and Undo of the last write of either program; the outcome alert follows each write.
class WriteController : public QObject {
    Q_OBJECT

public:
    WriteController(Prompts& prompts, QWidget* window);
    ~WriteController() override;

    /// Starts a write or a check; a write of several folders is first surveyed, and its plan
    /// shown. Ignored while another job runs.
    void start(WriteRequest request);
    /// Asks the running job to stop: between folders, or within a folder's listing.
    void cancel();
    /// Cancels the running job and waits for it to end, at most `milliseconds`; true when
    /// nothing runs any more.
    bool stopAndWait(int milliseconds);
    /// Puts back what the last write replaced, and removes what it made; given a write's journal,
    /// only if that write is still the last.
    void undo(const std::string& journal = {});
    /// Keeps the outcome alerts back while the user is asked something else, and shows the one
    /// held, if any, when released.
    void holdAlerts(bool hold);
    /// Stops the running job for good, as the window goes: no alert and no Undo follow it.
    void abandon();
    /// Looks again whether there is a write to undo: another program may have written since.
    void refreshUndo();

    [[nodiscard]] bool busy() const noexcept { return m_busy; }
    /// Whether the running job writes, rather than only checks.
    [[nodiscard]] bool writing() const noexcept
    {
        return m_busy && m_source != WriteRequest::Source::Check;
    }
    [[nodiscard]] bool canUndo() const noexcept { return !m_busy && m_undoable; }
    /// How far the running job has come, in words.
    [[nodiscard]] QString progressText() const;
    /// The same in a few words: "30 of 100 folders".
    [[nodiscard]] QString progressBrief() const;

signals:
    void busyChanged(bool busy);
    /// How far the running job has come, a few times a second; `total` 0 while unknown.
    void progressed(const QString& text, std::size_t done, std::size_t total);
    /// A job ended, with what it did; the alert follows a write.
    void reported(const SharedReport& report);
    /// Undo ended, with what it did in a line.
    void undone(const QString& summary);
    void undoAvailable(bool available);

private:
    void setBusy(bool busy);
    void survey(WriteRequest request);
    void run(WriteRequest request);
    void finish();
    void tick();
    void alert(const ResultAlert& alert, const std::string& journal);

    Prompts& m_prompts;
    QWidget* m_window;
    bool m_busy = false;
    bool m_surveying = false; ///< looking through a pack before its plan or check
    bool m_undoable = false;
    bool m_holding = false;
    bool m_abandoned = false;
    std::optional<std::pair<ResultAlert, std::string>> m_held; ///< an alert and its write's journal
    QTimer m_undoWatch;
    WriteRequest::Source m_source = WriteRequest::Source::Drop;
    bool m_pack = false;
    std::shared_ptr<WriteProgress> m_progress;
    QFutureWatcher<SharedReport> m_job;
    QTimer m_ticker;
};
