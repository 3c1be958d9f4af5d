#include "WriteController.h"

#include "FileNames.h"
#include "FileWords.h"
#include "JournalIndex.h"
#include "PathText.h"
#include "UndoRecorder.h"
#include "WindowWords.h"

#include <QWidget>
#include <algorithm>
#include <iterator>

WriteController::WriteController(Prompts& prompts, QWidget* window)
    : QObject(window), m_prompts(prompts), m_window(window), m_journals(new JournalWatch(this))
{
    m_ticker.setInterval(100);
    connect(&m_ticker, &QTimer::timeout, this, &WriteController::tick);
    connect(m_journals, &JournalWatch::changed, this, [this] {
        if (!m_busy) {
            refreshUndo();
        }
    });
    m_journals->refresh(false, true);
}

void WriteController::tick()
{
    if (m_progress) {
        const std::size_t total = m_progress->totalImages.load();
        emit progressed(progressText(), std::min(m_progress->images.load(), total), total);
    }
}

void WriteController::setBusy(bool busy)
{
    m_busy = busy;
    busy ? m_ticker.start() : m_ticker.stop();
    emit busyChanged(busy);
    // What another program did during a check is news; during a write or an undo, its own.
    m_journals->refresh(busy, busy || m_writing);
}

void WriteController::pause()
{
    m_paused = true;
    // Long enough for a folder's commit to land or wait; the question then says what is true.
    for (int step = 0; m_progress && m_busy && step < 50 && !m_running.isFinished(); ++step) {
        if (m_progress->control.pause(std::chrono::milliseconds(10))) {
            break;
        }
    }
}

void WriteController::resume()
{
    m_paused = false;
    if (m_progress) {
        m_progress->control.resume();
    }
    if (m_held) {
        const auto [alert, journal] = *std::exchange(m_held, std::nullopt);
        showAlert(alert, journal);
    }
}

void WriteController::cancel()
{
    if (m_progress) {
        m_progress->control.cancel();
    }
}

void WriteController::abandon()
{
    m_abandoned = true;
    m_held.reset();
    cancel();
    // The job looks at the control every few hundred entries: this wait is short.
    m_pool.waitForDone();
    if (m_busy) {
        setBusy(false);
    }
}

bool WriteController::start(WriteRequest request)
{
    if (m_busy) {
        return false;
    }
    m_source = request.source;
    m_folder = qtPath(request.folder);
    m_writing = !request.checking();
    m_progress = std::make_shared<WriteProgress>();
    m_progress->descending = [this] {
        QMetaObject::invokeMethod(this, &WriteController::descending, Qt::QueuedConnection);
    };
    setBusy(true);
    emit progressed(progressText(), 0, 0);
    if (!request.failure.isEmpty() || (request.checking() && !request.pack.recursive)) {
        run(std::move(request));
    } else if (request.planned() || request.checking()) {
        survey(std::move(request));
    } else {
        look(std::move(request));
    }
    return true;
}

void WriteController::runAsAnswered(WriteRequest request, StyleChoice choice)
{
    if (choice == StyleChoice::Cancel) {
        setBusy(false);
        emit progressed({}, 0, 0);
        return;
    }
    request.pack.rule = choice == StyleChoice::UpdateOwnStyle ? crestmap::StyleRule::Update
                                                              : crestmap::StyleRule::AsAsked;
    run(std::move(request));
}

// One folder: what its config.xml maps decides whether the user is asked before it is written.
void WriteController::look(WriteRequest request)
{
    const std::string folder = request.folder;
    inBackground(
        [folder] { return crestmap::readExistingFile(folder); },
        [this, request = std::move(request)](const crestmap::MappingScan& existing) mutable {
            const crestmap::StylePair chosen = *request.pack.style;
            const crestmap::Decision decision =
                crestmap::decide(existing, crestmap::StyleRule::KeepOwn, chosen);
            if (decision.action == crestmap::Decision::Action::Keep) {
                const QString config = WindowWords::path(
                    crestmap::configPathIn(crestmap::lastPathComponent(request.folder)));
                awaitAnswer();
                runAsAnswered(std::move(request),
                              m_prompts.chooseKeep(m_window, config, existing, decision.style,
                                                   chosen, !crestmap::journalUnavailable()));
                return;
            }
            run(std::move(request));
        });
}

// Several folders: first what they hold, then, for a write, the user's word on the plan.
void WriteController::survey(WriteRequest request)
{
    m_progress->surveying = true;
    emit progressed(progressText(), 0, 0);
    // A check's totals, or a write's plan, which also compares each folder's config.xml.
    auto work = [request, progress = m_progress] {
        return request.checking() ? crestmap::sizeOfPack(request.folder, &progress->control)
                                  : crestmap::planPack(request.folder, *request.pack.style,
                                                       &progress->control, request.pack.folders);
    };
    inBackground(std::move(work), [this, progress = m_progress, request = std::move(request)](
                                      const crestmap::PackPlan& plan) mutable {
        progress->surveying = false;
        request.plannedFolders = plan.folders;
        request.plannedImages = plan.images;
        if (progress->control.cancelled()) {
            runAsAnswered(std::move(request), StyleChoice::Cancel);
        } else if (request.checking() || plan.writesAll + plan.creates + plan.replaces == 0) {
            // Nothing to choose between when no answer would write a folder.
            run(std::move(request));
        } else {
            awaitAnswer();
            const StyleChoice choice = m_prompts.choosePlan(m_window, plan, *request.pack.style,
                                                            !crestmap::journalUnavailable());
            runAsAnswered(std::move(request), choice);
        }
    });
}

// Nothing is written while the user is asked: the progress line says nothing until the answer.
void WriteController::awaitAnswer()
{
    m_ticker.stop();
    emit progressed({}, 0, 0);
}

void WriteController::run(WriteRequest request)
{
    m_ticker.start();
    m_progress->totalFolders = request.plannedFolders;
    m_progress->totalImages = request.plannedImages;
    tick();
    inBackground([request = std::move(request),
                  progress = m_progress] { return shareReport(runJob(request, *progress)); },
                 [this](const SharedReport& report) { finish(report); });
}

void WriteController::finish(const SharedReport& report)
{
    setBusy(false);
    if (m_abandoned) {
        return;
    }
    emit reported(report);
    if (report->checked) {
        return;
    }
    m_own = report->journal.empty() ? m_own : report->journal;
    const ResultAlert alert = ResultAlert::forWrite(m_source, *report);
    // Asked something meanwhile, the user hears of the write once that is answered.
    if (m_paused) {
        m_held.emplace(alert, report->journal);
    } else {
        showAlert(alert, report->journal);
    }
}

void WriteController::showAlert(const ResultAlert& alert, const std::string& journal)
{
    if (m_prompts.showResultAlert(m_window, alert) == AlertAnswer::Undo) {
        undo(journal);
    }
}

void WriteController::undo(const std::string& shown)
{
    if (m_busy || m_abandoned) {
        return;
    }
    const std::optional<crestmap::Journal> last = crestmap::lastWrite();
    if (!last) {
        crestmap::UndoOutcome nothing;
        nothing.nothing = crestmap::UndoOutcome::Nothing::NoWrite;
        emit undone(FileWords::undo(nothing), {});
        return;
    }
    if (last->name != shown &&
        !m_prompts.confirmUndo(m_window, FileWords::undoQuestion(*last, last->name == m_own))) {
        return;
    }
    runUndo({last->name, false});
}

void WriteController::runUndo(crestmap::UndoOptions options)
{
    m_writing = true;
    m_progress.reset();
    m_folder.clear();
    setBusy(true);
    inBackground([options] { return crestmap::undoLastWrite(crestmap::undoFolder(), options); },
                 [this, options](const crestmap::UndoOutcome& outcome) {
                     setBusy(false);
                     // What changed since is the user's to put back over, file by file named.
                     QStringList files;
                     std::ranges::transform(outcome.changedSince, std::back_inserter(files),
                                            &WindowWords::path);
                     if (!options.force && !files.isEmpty() &&
                         m_prompts.confirmForce(m_window, files, outcome.madeChangedSince)) {
                         runUndo({options.expected, true});
                         return;
                     }
                     std::vector<std::string> configs = outcome.restored;
                     for (const auto* more :
                          {&outcome.removed, &outcome.alreadyBack, &outcome.changedSince}) {
                         configs.insert(configs.end(), more->begin(), more->end());
                     }
                     std::ranges::transform(outcome.failed, std::back_inserter(configs),
                                            &crestmap::UndoOutcome::Failure::configPath);
                     emit undone(FileWords::undo(outcome), configs);
                 });
}

void WriteController::say(const QString& text)
{
    emit reported(std::make_shared<const WriteReport>(WriteReport::saying(text)));
}
