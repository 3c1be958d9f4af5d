#include "WriteController.h"

#include "AccountWords.h"
#include "MappingFile.h"
#include "PathText.h"
#include "Prompts.h"
#include "ResultAlert.h"
#include "UndoJournal.h"

#include <QLocale>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

namespace {

QString number(std::size_t count)
{
    return QLocale().toString(static_cast<qulonglong>(count));
}

} // namespace

WriteController::WriteController(Prompts& prompts, QWidget* window)
    : QObject(window), m_prompts(prompts), m_window(window)
{
    m_ticker.setInterval(100);
    connect(&m_ticker, &QTimer::timeout, this, &WriteController::tick);
    connect(&m_job, &QFutureWatcher<SharedReport>::finished, this, &WriteController::finish);
    // Another program may write or undo at any time; a glance at one small file tells.
    m_undoWatch.setInterval(2000);
    connect(&m_undoWatch, &QTimer::timeout, this, [this] {
        if (!m_busy) {
            refreshUndo();
        }
    });
    m_undoWatch.start();
    refreshUndo();
}

WriteController::~WriteController()
{
    if (m_progress) {
        m_progress->cancel = true;
    }
    m_job.waitForFinished();
}

QString WriteController::progressText() const
{
    if (!m_progress) {
        return {};
    }
    if (m_surveying) {
        return tr("Looking through the folders…");
    }
    const WriteProgress& p = *m_progress;
    const QString doing = m_source == WriteRequest::Source::Check ? tr("Checking") : tr("Writing");
    const std::size_t folders = p.folders.load();
    const std::size_t images = p.images.load();
    if (const std::size_t total = p.totalFolders.load(); total > 0) {
        return tr("%1 %2 of %3 folders · %4 of %5 images")
            .arg(doing, number(std::min(folders, total)), number(total),
                 number(std::min(images, p.totalImages.load())), number(p.totalImages.load()));
    }
    return tr("%1… %2, %3 so far")
        .arg(doing, counted(folders, "%1 folder", "%1 folders"),
             counted(images, "%1 image", "%1 images"));
}

QString WriteController::progressBrief() const
{
    if (!m_progress) {
        return {};
    }
    const std::size_t folders = m_progress->folders.load();
    if (const std::size_t total = m_progress->totalFolders.load(); total > 0) {
        return tr("%1 of %2 folders").arg(number(std::min(folders, total)), number(total));
    }
    return counted(folders, "%1 folder written so far", "%1 folders written so far");
}

void WriteController::tick()
{
    if (!m_progress) {
        return;
    }
    const std::size_t total = m_progress->totalImages.load();
    emit progressed(progressText(), std::min(m_progress->images.load(), total), total);
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

void WriteController::refreshUndo()
{
    const bool undoable = crestmap::lastWriteSize() > 0;
    if (undoable != m_undoable) {
        m_undoable = undoable;
        emit undoAvailable(canUndo());
    }
}

void WriteController::holdAlerts(bool hold)
{
    m_holding = hold;
    if (!hold && m_held) {
        const auto [held, journal] = *std::exchange(m_held, std::nullopt);
        alert(held, journal);
    }
}

void WriteController::abandon()
{
    m_abandoned = true;
    m_held.reset();
    cancel();
}

void WriteController::alert(const ResultAlert& shown, const std::string& journal)
{
    if (m_holding) {
        m_held.emplace(shown, journal);
        return;
    }
    if (m_prompts.showResultAlert(m_window, shown) == AlertAnswer::Undo) {
        undo(journal);
    }
}

void WriteController::start(WriteRequest request)
{
    if (m_busy) {
        return;
    }
    if (request.planned() || (request.checking() && request.pack.recursive)) {
        survey(std::move(request));
        return;
    }
    run(std::move(request));
}

// Several folders: first what they hold, then, for a write, the user's word on the plan.
void WriteController::survey(WriteRequest request)
{
    m_source = request.source;
    m_progress = std::make_shared<WriteProgress>();
    m_surveying = true;
    setBusy(true);
    emit progressed(progressText(), 0, 0);
    auto progress = m_progress;
    const bool checking = request.checking();
    const crestmap::StylePair style = request.pack.style.value_or(crestmap::StylePair{});
    const std::string folder = request.folder;
    const std::vector<std::string> folders = request.pack.folders;
    auto* watcher = new QFutureWatcher<crestmap::PackPlan>(this);
    connect(watcher, &QFutureWatcher<crestmap::PackPlan>::finished, this,
            [this, watcher, style, progress, request = std::move(request)]() mutable {
                watcher->deleteLater();
                const crestmap::PackPlan plan = watcher->result();
                m_surveying = false;
                setBusy(false);
                if (progress->cancel) {
                    emit progressed({}, 0, 0);
                    return;
                }
                request.plannedFolders = plan.folders;
                request.plannedImages = plan.images;
                if (!request.checking()) {
                    const PlanChoice choice = m_prompts.choosePlan(
                        m_window, plan, QString::fromStdString(crestmap::describeStyle(style)));
                    if (choice == PlanChoice::Cancel) {
                        emit progressed({}, 0, 0);
                        return;
                    }
                    request.pack.rule = choice == PlanChoice::UpdateOwnStyles
                                            ? crestmap::StyleRule::Update
                                            : crestmap::StyleRule::AsAsked;
                }
                run(std::move(request));
            });
    watcher->setFuture(QtConcurrent::run([folder, folders, style, checking, progress] {
        // A check needs only the totals; a write's plan also compares each folder's file.
        return checking ? crestmap::sizeOfPack(folder, &progress->cancel)
                        : crestmap::planPack(folder, style, &progress->cancel, folders);
    }));
}

void WriteController::run(WriteRequest request)
{
    m_source = request.source;
    m_pack = request.planned();
    m_progress = std::make_shared<WriteProgress>();
    m_progress->totalFolders = request.plannedFolders;
    m_progress->totalImages = request.plannedImages;
    setBusy(true);
    tick();
    m_job.setFuture(QtConcurrent::run([request = std::move(request), progress = m_progress] {
        return std::make_shared<const WriteReport>(runJob(request, *progress));
    }));
}

void WriteController::cancel()
{
    if (m_progress) {
        m_progress->cancel = true;
    }
}

bool WriteController::stopAndWait(int milliseconds)
{
    cancel();
    if (m_job.isRunning()) {
        QDeadlineTimer deadline(milliseconds);
        while (m_job.isRunning() && !deadline.hasExpired()) {
            QThread::msleep(5);
        }
    }
    return !m_job.isRunning();
}

void WriteController::finish()
{
    const SharedReport report = m_job.result();
    const bool checking = report->checked.has_value();
    setBusy(false);
    refreshUndo();
    if (m_abandoned) {
        return;
    }
    emit reported(report);
    if (checking) {
        return;
    }
    const QString details = report->details();
    ResultAlert shown;
    if (report->cancelled) {
        const QStringList facts = report->facts();
        const auto cancel = std::find_if(facts.begin(), facts.end(), [](const QString& fact) {
            return fact.startsWith(QLatin1String("cancelled"));
        });
        shown = ResultAlert::forCancel(cancel != facts.end() ? *cancel : QString(), details,
                                       !report->journal.empty());
    } else if (m_source == WriteRequest::Source::Browse) {
        shown = ResultAlert::forBrowse(report->written, details, report->tally.recordsLost());
    } else if (m_pack) {
        shown = ResultAlert::forPack(report->written, details, report->tally.foldersWritten());
    } else {
        shown = m_source == WriteRequest::Source::Drop
                    ? ResultAlert::forDrop(report->written, details)
                    : ResultAlert::forChosenFolder(report->written, details);
    }
    alert(shown, report->journal);
}

void WriteController::undo(const std::string& journal)
{
    if (m_busy || m_abandoned) {
        return;
    }
    setBusy(true);
    auto* watcher = new QFutureWatcher<crestmap::UndoOutcome>(this);
    connect(watcher, &QFutureWatcher<crestmap::UndoOutcome>::finished, this, [this, watcher] {
        watcher->deleteLater();
        const crestmap::UndoOutcome outcome = watcher->result();
        setBusy(false);
        refreshUndo();
        QStringList parts;
        for (const std::string& fact : crestmap::undoFacts(outcome)) {
            parts << qtPath(fact);
        }
        // Few enough to name: each file, as the command line names them.
        if (outcome.restored.size() + outcome.removed.size() <= 5) {
            for (const std::string& path : outcome.restored) {
                parts << tr("put back %1").arg(shownPath(path));
            }
            for (const std::string& path : outcome.removed) {
                parts << tr("removed %1").arg(shownPath(path));
            }
        }
        for (const std::string& path : outcome.changedSince) {
            parts << tr("%1 changed since, left alone").arg(shownPath(path));
        }
        for (const std::string& failure : outcome.failed) {
            parts << tr("could not put back %1").arg(shownPath(failure));
        }
        emit undone(parts.join(QStringLiteral(" · ")));
    });
    watcher->setFuture(QtConcurrent::run(
        [journal] { return crestmap::undoLastWrite(crestmap::undoFolder(), journal); }));
}
