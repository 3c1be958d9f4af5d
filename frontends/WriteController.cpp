#include "WriteController.h"

#include "MappingFile.h"
#include "PathText.h"
#include "Prompts.h"
#include "ResultAlert.h"
#include "UndoJournal.h"

#include <QFile>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

WriteController::WriteController(Prompts& prompts, QWidget* window)
    : QObject(window), m_prompts(prompts), m_window(window)
{
    m_ticker.setInterval(100);
    connect(&m_ticker, &QTimer::timeout, this, [this] {
        if (m_progress) {
            emit progressed(tr("Writing… %1, %2 done")
                                .arg(counted(m_progress->folders.load(), "%1 folder", "%1 folders"),
                                     counted(m_progress->images.load(), "%1 image", "%1 images")));
        }
    });
    connect(&m_write, &QFutureWatcher<SharedReport>::finished, this, &WriteController::finish);
}

WriteController::~WriteController()
{
    if (m_progress) {
        m_progress->cancel = true;
    }
    m_write.waitForFinished();
}

bool WriteController::canUndo() const noexcept
{
    return !m_busy && m_journal && !m_journal->empty();
}

void WriteController::setBusy(bool busy)
{
    m_busy = busy;
    if (busy) {
        m_ticker.start();
    } else {
        m_ticker.stop();
    }
    emit busyChanged(busy);
    emit undoAvailable(canUndo());
}

void WriteController::start(WriteRequest request)
{
    if (m_busy) {
        return;
    }
    if (!request.failure.isEmpty() || request.source == WriteRequest::Source::Browse ||
        !request.pack.recursive || request.pack.rule != crestmap::StyleRule::AsAsked) {
        run(std::move(request));
        return;
    }
    // A whole pack: first what it would do, then the user's word, then the write.
    setBusy(true);
    emit progressed(tr("Looking through the folders…"));
    auto progress = std::make_shared<WriteProgress>();
    m_progress = progress;
    const crestmap::StylePair style = request.pack.style.value_or(crestmap::StylePair{});
    const std::string folder = request.folder;
    auto* survey = new QFutureWatcher<crestmap::PackPlan>(this);
    connect(survey, &QFutureWatcher<crestmap::PackPlan>::finished, this,
            [this, survey, style, progress, request = std::move(request)]() mutable {
                survey->deleteLater();
                setBusy(false);
                if (progress->cancel) {
                    emit progressed({});
                    return;
                }
                const PlanChoice choice =
                    m_prompts.choosePlan(m_window, survey->result(),
                                         QString::fromStdString(crestmap::describeStyle(style)));
                if (choice == PlanChoice::Cancel) {
                    emit progressed({});
                    return;
                }
                request.pack.rule = choice == PlanChoice::KeepOwnStyles
                                        ? crestmap::StyleRule::KeepOwn
                                        : crestmap::StyleRule::AsAsked;
                run(std::move(request));
            });
    survey->setFuture(QtConcurrent::run([folder, style, progress] {
        return crestmap::planPack(folder, style, &progress->cancel);
    }));
}

void WriteController::run(WriteRequest request)
{
    m_source = request.source;
    m_progress = std::make_shared<WriteProgress>();
    // Undo is of the last write alone: the journal of the one before goes with its files.
    m_running = std::make_shared<UndoJournal>();
    m_journal.reset();
    setBusy(true);
    m_write.setFuture(QtConcurrent::run(
        [request = std::move(request), progress = m_progress, journal = m_running] {
            return std::make_shared<const WriteReport>(runWrite(request, *progress, journal.get()));
        }));
}

void WriteController::cancel()
{
    if (m_progress) {
        m_progress->cancel = true;
    }
}

void WriteController::finish()
{
    SharedReport report = m_write.result();
    m_journal = std::move(m_running);
    if (!m_journal->error().empty() && report->written) {
        // The write stands; only its Undo could not be prepared, which the user should know.
        auto told = std::make_shared<WriteReport>(*report);
        told->hint =
            tr("Undo is not available: %1").arg(QString::fromStdString(m_journal->error()));
        report = std::move(told);
    }
    setBusy(false);
    emit reported(report);
    const QString details = report->details();
    m_prompts.showResultAlert(m_window, m_source == WriteRequest::Source::Browse
                                            ? ResultAlert::forBrowse(report->written, details)
                                            : ResultAlert::forDrop(report->written, details));
}

void WriteController::undo()
{
    if (!canUndo()) {
        return;
    }
    std::shared_ptr<UndoJournal> journal = std::move(m_journal);
    setBusy(true);
    auto* watcher = new QFutureWatcher<UndoJournal::Outcome>(this);
    connect(watcher, &QFutureWatcher<UndoJournal::Outcome>::finished, this, [this, watcher] {
        watcher->deleteLater();
        const UndoJournal::Outcome outcome = watcher->result();
        setBusy(false);
        QStringList parts;
        parts << tr("Undo: %1 put back, %2 removed")
                     .arg(counted(outcome.restored.size(), "%1 config.xml", "%1 config.xml files"))
                     .arg(outcome.removed.size());
        for (const std::string& path : outcome.changedSince) {
            parts << tr("%1 changed since, left alone").arg(shownPath(path));
        }
        for (const std::string& failure : outcome.failed) {
            parts << tr("could not put back %1").arg(shownPath(failure));
        }
        emit undone(parts.join(QStringLiteral(" · ")));
    });
    watcher->setFuture(QtConcurrent::run([journal] { return journal->undo(); }));
}
