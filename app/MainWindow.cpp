#include "MainWindow.h"

#include "Desktop.h"
#include "FileSelector.h"
#include "FolderDragView.h"
#include "PathText.h"
#include "Prompts.h"
#include "ResultsModel.h"
#include "ResultsPanel.h"
#include "WriteController.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>

MainWindow::MainWindow(Prompts* prompts, Desktop* desktop, QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::MainWindow>())
{
    if (prompts == nullptr) {
        m_ownPrompts = std::make_unique<DialogPrompts>();
    }
    if (desktop == nullptr) {
        m_ownDesktop = std::make_unique<SystemDesktop>();
    }
    m_prompts = prompts != nullptr ? prompts : m_ownPrompts.get();
    m_desktop = desktop != nullptr ? desktop : m_ownDesktop.get();
    m_ui->setupUi(this);
    // The window can never be made smaller than its contents need, so nothing is clipped.
    m_ui->mainLayout->setSizeConstraint(QLayout::SetMinimumSize);
    m_ui->mainLayout->setStretchFactor(m_ui->resultsPanel, 1);
    // The default size, or the screen's room where that is less, with room for a frame and
    // title bar, whose size is only known once the window is shown.
    if (const QScreen* screen = this->screen()) {
        const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        const int title = std::max(style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this),
                                   fontMetrics().lineSpacing() * 2);
        resize(size().boundedTo(screen->availableSize() - QSize(2 * border, title + 2 * border)));
    }
    m_writer = new WriteController(*m_prompts, this);
    m_selector = new FileSelector(
        *m_prompts, *m_writer, this,
        {m_ui->graphicStyleBox, m_ui->logoTypeBox, m_ui->kitTypeBox, m_ui->backgroundTypeBox},
        m_ui->previewLabel, m_ui->includeSubfolders);
    m_ui->folderDragView->attach([this](const QUrl& folder) {
        return m_selector->takeFolder(folder, WriteRequest::Source::Drop);
    });
    // A folder dropped anywhere on the window is a folder dropped on the drop area; the filter
    // would take its address as text.
    m_ui->centralWidget->setAcceptDrops(true);
    m_ui->centralWidget->installEventFilter(this);
    m_ui->resultsPanel->findChild<QWidget*>(QStringLiteral("resultsFilter"))->setAcceptDrops(false);
    connectCommands();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectCommands()
{
    Ui::MainWindow& ui = *m_ui;
    ResultsPanel* results = ui.resultsPanel;
    ui.browseAction->setShortcut(QKeySequence::Open);
    ui.writeFolderAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    ui.checkFolderAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    ui.openFolderAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    ui.quitAction->setShortcut(QKeySequence::Quit);
    ui.undoAction->setShortcut(QKeySequence::Undo);
    ui.copyAction->setShortcut(QKeySequence::Copy);
    ui.helpAction->setShortcut(QKeySequence::HelpContents);
    for (QAction* action : {ui.browseAction, ui.writeFolderAction, ui.checkFolderAction}) {
        action->setToolTip(
            action->toolTip() +
            QStringLiteral(" (%1)").arg(action->shortcut().toString(QKeySequence::NativeText)));
    }
    connect(ui.browseButton, &QPushButton::clicked, ui.browseAction, &QAction::trigger);
    connect(ui.writeFolderButton, &QPushButton::clicked, ui.writeFolderAction, &QAction::trigger);
    connect(ui.checkFolderButton, &QPushButton::clicked, ui.checkFolderAction, &QAction::trigger);
    connect(ui.updateStaleButton, &QPushButton::clicked, ui.updateStaleAction, &QAction::trigger);
    connect(ui.updateStaleAction, &QAction::enabledChanged, ui.updateStaleButton,
            &QWidget::setEnabled);
    connect(ui.browseAction, &QAction::triggered, m_selector, &FileSelector::fileBrowseSelect);
    connect(ui.writeFolderAction, &QAction::triggered, this,
            [this] { m_selector->chooseFolder(false); });
    connect(ui.checkFolderAction, &QAction::triggered, this,
            [this] { m_selector->chooseFolder(true); });
    connect(ui.updateStaleAction, &QAction::triggered, this, [this] {
        if (m_lastCheck) {
            m_selector->updateStale(*m_lastCheck);
        }
    });
    connect(ui.quitAction, &QAction::triggered, this, &QWidget::close);
    // Edit ▸ Undo takes back the last write; when that is not the one shown, it asks first.
    connect(ui.undoAction, &QAction::triggered, this,
            [this, results] { m_writer->undo(results->model().report().journal); });
    connect(ui.copyAction, &QAction::triggered, results,
            [results] { results->copySelection(false); });
    connect(ui.openFolderAction, &QAction::triggered, this,
            [this, results] { open(results->model().report().writtenFolder()); });
    connect(ui.helpAction, &QAction::triggered, this, &MainWindow::showHelp);
    connect(ui.aboutAction, &QAction::triggered, this, &MainWindow::showAbout);

    connect(m_writer, &WriteController::reported, this, &MainWindow::showReport);
    connect(m_writer, &WriteController::busyChanged, this, [this, results](bool busy) {
        for (QWidget* input :
             std::initializer_list<QWidget*>{m_ui->folderDragView, m_ui->browseButton,
                                             m_ui->writeFolderButton, m_ui->checkFolderButton}) {
            input->setEnabled(!busy);
        }
        for (QAction* action :
             {m_ui->browseAction, m_ui->writeFolderAction, m_ui->checkFolderAction}) {
            action->setEnabled(!busy);
        }
        m_ui->updateStaleAction->setEnabled(!busy && m_lastCheck && !m_lastCheck->outdated.empty());
        results->setBusy(busy);
    });
    connect(m_writer, &WriteController::progressed, results, &ResultsPanel::setProgress);
    connect(m_writer, &WriteController::undoAvailable, this,
            [this](bool available, const QString& text) {
                m_ui->undoAction->setEnabled(available);
                m_ui->undoAction->setText(text);
            });
    m_writer->refreshUndo();
    connect(m_writer, &WriteController::undone, this, [this](const QString& summary) {
        // The list showed what the write did, which is now taken back.
        showReport(std::make_shared<const WriteReport>(WriteReport::saying(summary)));
    });
    connect(m_selector, &FileSelector::message, statusBar(),
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(results, &ResultsPanel::cancelRequested, m_writer, &WriteController::cancel);
    // The summary's Undo is of the write it sums up, and of no later one.
    connect(results, &ResultsPanel::undoRequested, m_writer,
            [this, results] { m_writer->undo(results->model().report().journal); });
    connect(results, &ResultsPanel::openRequested, this, &MainWindow::open);
    connect(results, &ResultsPanel::showInFolderRequested, this, [this](const QString& path) {
        m_desktop->showInFolder(path, [this, path](Opening) {
            statusBar()->showMessage(
                tr("Nothing could show %1").arg(QDir::toNativeSeparators(path)));
        });
    });
    connect(results, &ResultsPanel::message, statusBar(),
            [this](const QString& text) { statusBar()->showMessage(text); });

    // Tab goes through the choices, the commands, then the list, and out of it in one stop.
    QWidget::setTabOrder(ui.browseButton, ui.writeFolderButton);
    QWidget::setTabOrder(ui.writeFolderButton, ui.checkFolderButton);
    QWidget::setTabOrder(ui.checkFolderButton, ui.updateStaleButton);
    QWidget::setTabOrder(ui.updateStaleButton, ui.includeSubfolders);
    QWidget::setTabOrder(ui.includeSubfolders, results->findChild<QWidget*>("resultsFilter"));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    FolderDragView* area = m_ui->folderDragView;
    switch (event->type()) {
    case QEvent::DragEnter:
        area->enterDrag(static_cast<QDragEnterEvent*>(event));
        return true;
    case QEvent::DragMove:
        static_cast<QDragMoveEvent*>(event)->acceptProposedAction();
        return true;
    case QEvent::DragLeave:
        area->leaveDrag();
        return true;
    case QEvent::Drop:
        area->takeDrop(static_cast<QDropEvent*>(event));
        return true;
    default:
        return QMainWindow::eventFilter(watched, event);
    }
}

void MainWindow::open(const QString& path)
{
    if (path.isEmpty()) {
        return;
    }
    m_desktop->open(path, [this, path](Opening trouble) {
        const QString shown = QDir::toNativeSeparators(path);
        statusBar()->showMessage(trouble == Opening::Failed
                                     ? tr("Nothing could open %1").arg(shown)
                                     : tr("The program for %1 has not answered yet").arg(shown));
    });
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_fitted) {
        return;
    }
    m_fitted = true;
    // Where the frame is known by now, the window is kept inside the screen's room with it.
    QTimer::singleShot(0, this, [this] {
        const QScreen* screen = this->screen();
        const QSize frame = frameGeometry().size() - size();
        if (screen != nullptr && (frame.width() > 0 || frame.height() > 0)) {
            resize(size().boundedTo(screen->availableSize() - frame));
        }
    });
}

void MainWindow::showReport(const SharedReport& report)
{
    statusBar()->showMessage(report->statusLine());
    m_ui->resultsPanel->showReport(report);
    // A write makes the last check's list of folders to update old news.
    m_lastCheck = report->checked ? report : nullptr;
    m_ui->updateStaleAction->setEnabled(m_lastCheck && !m_lastCheck->outdated.empty());
    if (report->checked && report->descended) {
        m_ui->includeSubfolders->setChecked(true);
    }
    // The title names the folder the list shows.
    const QString written = report->writtenFolder();
    const QString folder = !report->base.empty() ? qtPath(report->base) : written;
    const QString name =
        QFileInfo(folder).fileName().isEmpty() ? folder : QFileInfo(folder).fileName();
    setWindowTitle(folder.isEmpty() ? QStringLiteral("Crestmap") : tr("%1 — Crestmap").arg(name));
    if (!folder.isEmpty()) {
        m_selector->setFolderInView(QDir::toNativeSeparators(folder));
    }
    m_ui->openFolderAction->setEnabled(!written.isEmpty());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A check writes nothing, so it simply stops; a write is the user's to stop, and it is held
    // while the user is asked, so that the question says what is true.
    if (m_writer->writing()) {
        m_writer->pause();
        if (!m_prompts->confirmQuit(this, m_writer->progressBrief())) {
            m_writer->resume();
            event->ignore();
            return;
        }
    }
    // Each config.xml is left as it was or whole; what was written stays undoable, from the
    // next start or the command line, not from an alert of a window that has gone.
    m_writer->abandon();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event)
{
    // Another program may have written, or undone, while the window was in the background.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_writer->refreshUndo();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::showAbout()
{
#ifdef Q_OS_WIN
    const QString notices =
        tr("<p>It uses Qt %1, licensed under the GNU Lesser General Public License version 3 "
           "(LGPL-3.0). Beside crestmap.exe are its text, Qt-LGPL-3.0.txt, the GPL-3.0 it builds "
           "on, GPL-3.0.txt, and the notices of the libraries built into Qt, "
           "Qt-third-party-notices.txt.</p><p>README.txt, there too, describes the window and the "
           "command-line tool.</p>");
#else
    const QString notices =
        tr("<p>It uses Qt %1, licensed under the GNU Lesser General Public License version 3 "
           "(LGPL-3.0); your system's Qt packages hold its licence texts.</p><p>The command-line "
           "tool is described in its manual page: <code>man crestmap-cli</code>.</p>");
#endif
    m_prompts->showText(this, tr("About Crestmap"),
                        tr("<p><b>Crestmap %1</b></p><p>Writes config.xml, the file that maps a "
                           "folder of images to a game's pictures.</p><p>Released under the MIT "
                           "licence.</p>")
                                .arg(QCoreApplication::applicationVersion()) +
                            notices.arg(QString::fromLatin1(qVersion())) +
                            tr("<p>The window speaks %1.</p>")
                                .arg(tr("English", "the name of the window's language, in it")));
}

void MainWindow::showHelp()
{
    const auto key = [](const QAction* action) {
        return action->shortcut().toString(QKeySequence::NativeText);
    };
    m_prompts->showText(
        this, tr("Crestmap help"),
        tr("<p>Choose what the images are with the four groups, then hand them over: Browse for "
           "images… (%1) maps the files you choose; Write folder… (%2) or a folder dropped on the "
           "window maps every image in it, and with Include sub-folders every folder below it. "
           "Check folder… (%4) compares a folder's config.xml files with what would be written, "
           "and writes nothing.</p><p>The list shows what each image became. Enter opens an "
           "image; the context menu copies paths and records. Undo (%3) puts back what the last "
           "write, of this window or of crestmap-cli, replaced.</p>")
            .arg(key(m_ui->browseAction), key(m_ui->writeFolderAction), key(m_ui->undoAction),
                 key(m_ui->checkFolderAction)));
}
