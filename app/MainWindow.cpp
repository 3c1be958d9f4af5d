#include "MainWindow.h"

#include "Desktop.h"
#include "FileSelector.h"
#include "FolderDragView.h"
#include "PathText.h"
#include "Prompts.h"
#include "ResultsModel.h"
#include "ResultsPanel.h"
#include "ScreenRoom.h"
#include "WindowWords.h"
#include "WriteController.h"
#include "ui_MainWindow.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <algorithm>

MainWindow::MainWindow(Prompts& prompts, Desktop& desktop, QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::MainWindow>()), m_prompts(prompts),
      m_desktop(desktop)
{
    m_ui->setupUi(this);
    const QSize firstSize = size();
    // The window can never be made smaller than its contents need, so nothing is clipped.
    m_ui->mainLayout->setSizeConstraint(QLayout::SetMinimumSize);
    m_ui->mainLayout->setStretchFactor(m_ui->resultsPanel, 1);
    // A line of its own that wraps: the status bar's message would be cut at its right edge.
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusText"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->installEventFilter(this);
    copyWithoutWrapPlaces(*m_status);
    statusBar()->addWidget(m_status, 1);
    m_writer = new WriteController(m_prompts, this);
    m_selector = new FileSelector(
        m_prompts, *m_writer, this,
        {m_ui->graphicStyleBox, m_ui->logoTypeBox, m_ui->kitTypeBox, m_ui->backgroundTypeBox},
        m_ui->previewLabel, m_ui->includeSubfolders);
    // In a language of long words the four groups in a row are wider than the first size: two
    // rows of two leave the commands room beside them, and the drop area below the commands,
    // which keeps the list its rows.
    if (m_ui->centralWidget->minimumSizeHint().width() > firstSize.width()) {
        m_ui->groupsLayout->addWidget(m_ui->kitTypeBox, 1, 0);
        m_ui->groupsLayout->addWidget(m_ui->backgroundTypeBox, 1, 1);
        m_ui->commandSpacer->changeSize(0, 0);
        m_ui->commandLayout->addWidget(m_ui->folderDragView, 1);
    }
    keepWithinScreen(*this, firstSize);
    m_ui->folderDragView->attach([this](const QUrl& folder) {
        return m_selector->takeFolder(folder, WriteRequest::Source::Drop);
    });
    // A folder dropped anywhere on the window is a folder dropped on the drop area.
    m_ui->centralWidget->setAcceptDrops(true);
    m_ui->centralWidget->installEventFilter(m_ui->folderDragView);
    connectCommands();
    // Tab starts where the window is read from: the first group's choice.
    for (QAbstractButton* choice : m_ui->graphicStyleBox->findChildren<QAbstractButton*>()) {
        if (choice->isChecked()) {
            choice->setFocus();
        }
    }
}

MainWindow::~MainWindow()
{
    // A job still running, such as a check after another program's write, ends while the
    // window it reports to is whole.
    m_writer->abandon();
}

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
    // Each button is its menu command, enabled with it.
    for (const auto& [button, action] : {std::pair{ui.browseButton, ui.browseAction},
                                         std::pair{ui.writeFolderButton, ui.writeFolderAction},
                                         std::pair{ui.checkFolderButton, ui.checkFolderAction},
                                         std::pair{ui.updateStaleButton, ui.updateStaleAction}}) {
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
    }
    connect(ui.browseAction, &QAction::triggered, m_selector, &FileSelector::fileBrowseSelect);
    connect(ui.writeFolderAction, &QAction::triggered, this,
            [this] { m_selector->chooseFolder(false); });
    connect(ui.checkFolderAction, &QAction::triggered, this,
            [this] { m_selector->chooseFolder(true); });
    connect(ui.updateStaleAction, &QAction::triggered, m_selector, &FileSelector::updateStale);
    connect(m_selector, &FileSelector::updateAvailable, ui.updateStaleAction, &QAction::setEnabled);
    connect(ui.quitAction, &QAction::triggered, this, &QWidget::close);
    // Edit ▸ Undo takes back the last write; when that is not the one shown, it asks first.
    const auto undoShown = [this, results] { m_writer->undo(results->shownWrite()); };
    connect(ui.undoAction, &QAction::triggered, this, undoShown);
    connect(ui.copyAction, &QAction::triggered, results,
            [results] { results->copySelection(false); });
    connect(ui.openFolderAction, &QAction::triggered, this,
            [this, results] { open(results->model().report().writtenFolder()); });
    connect(ui.helpAction, &QAction::triggered, this, &MainWindow::showHelp);
    connect(ui.aboutAction, &QAction::triggered, this, &MainWindow::showAbout);

    connect(m_writer, &WriteController::reported, this, &MainWindow::showReport);
    connect(m_writer, &WriteController::busyChanged, this, &MainWindow::setBusy);
    connect(m_writer, &WriteController::progressed, results, &ResultsPanel::setProgress);
    connect(&m_writer->journals(), &JournalWatch::undoAvailable, this,
            [this, results](bool available, const QString& text, const std::string& last) {
                m_ui->undoAction->setEnabled(available);
                m_ui->undoAction->setText(text);
                results->setLastWrite(last);
            });
    m_writer->refreshUndo();
    connect(m_selector, &FileSelector::message, this, &MainWindow::say);
    connect(results, &ResultsPanel::cancelRequested, m_writer, &WriteController::cancel);
    // The summary's Undo is of the write it sums up, and of no later one.
    connect(results, &ResultsPanel::undoRequested, m_writer, undoShown);
    connect(results, &ResultsPanel::openRequested, this, &MainWindow::open);
    connect(results, &ResultsPanel::showInFolderRequested, this, [this](const QString& path) {
        m_desktop.showInFolder(path, [this, path](Opening) {
            //: %1: the path of a file or folder
            say(tr("Nothing could show %1")
                    .arg(WindowWords::isolated(QDir::toNativeSeparators(path))));
        });
    });
    connect(results, &ResultsPanel::message, this, &MainWindow::say);

    // Tab goes through the choices, the commands, then the list, and out of it in one stop.
    QWidget::setTabOrder(ui.browseButton, ui.writeFolderButton);
    QWidget::setTabOrder(ui.writeFolderButton, ui.checkFolderButton);
    QWidget::setTabOrder(ui.checkFolderButton, ui.updateStaleButton);
    QWidget::setTabOrder(ui.updateStaleButton, ui.includeSubfolders);
    QWidget::setTabOrder(ui.includeSubfolders, results->findChild<QWidget*>("resultsFilter"));
}

void MainWindow::showAbout()
{
#ifdef Q_OS_WIN
    const QString notices =
        //: %1: Qt's version
        tr("<p>It uses Qt %1, licensed under the GNU Lesser General Public License version 3 "
           "(LGPL-3.0). Beside crestmap.exe are its text, Qt-LGPL-3.0.txt, the GPL-3.0 it builds "
           "on, GPL-3.0.txt, and the notices of the libraries built into Qt, "
           "Qt-third-party-notices.txt.</p><p>README.txt, there too, describes the window and the "
           "command-line tool.</p>");
#else
    const QString notices =
        //: %1: Qt's version
        tr("<p>It uses Qt %1, licensed under the GNU Lesser General Public License version 3 "
           "(LGPL-3.0); your system's Qt packages hold its licence texts.</p><p>The command-line "
           "tool is described in its manual page: <code>man crestmap-cli</code>.</p>");
#endif
    m_prompts.showText(this, tr("About Crestmap"),
                       //: %1: Crestmap's version
                       tr("<p><b>Crestmap %1</b></p><p>Writes config.xml, the file that maps a "
                          "folder of images to a game's pictures.</p><p>Released under the MIT "
                          "licence.</p>")
                               .arg(QCoreApplication::applicationVersion()) +
                           notices.arg(QString::fromLatin1(qVersion())) +
                           //: %1: the name of the window's language
                           tr("<p>The window speaks %1.</p>")
                               .arg(tr("English", "the name of the window's language, in it")));
}

void MainWindow::showHelp()
{
    QStringList keys;
    for (const QAction* command :
         {m_ui->browseAction, m_ui->writeFolderAction, m_ui->undoAction, m_ui->checkFolderAction}) {
        keys << command->shortcut().toString(QKeySequence::NativeText);
    }
    m_prompts.showText(
        this, tr("Crestmap help"),
        //: %1, %2, %3, %4: the keys of Browse for images…, Write folder…, Undo and Check folder…
        tr("<p>Choose what the images are with the four groups, then hand them over: Browse for "
           "images… (%1) maps the files you choose; Write folder… (%2) or a folder dropped on the "
           "window maps every image in it, and with Include sub-folders every folder below it. "
           "Check folder… (%4) compares a folder's config.xml files with what would be written, "
           "and writes nothing.</p><p>The list shows what each image became. Enter opens an "
           "image; the context menu copies paths and records. Undo (%3) puts back what the last "
           "write, of this window or of crestmap-cli, replaced.</p>")
            .arg(keys.value(0), keys.value(1), keys.value(2), keys.value(3)));
}

void MainWindow::say(const QString& text)
{
    m_status->setText(wrappable(text));
    fitStatus();
}

void MainWindow::fitStatus()
{
    m_status->setMinimumHeight(std::max(0, m_status->heightForWidth(m_status->width())));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A narrower window may need more lines for the same message.
    if (watched == m_status && event->type() == QEvent::Resize) {
        fitStatus();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::setBusy(bool busy)
{
    m_ui->folderDragView->setEnabled(!busy);
    for (QAction* action : {m_ui->browseAction, m_ui->writeFolderAction, m_ui->checkFolderAction}) {
        action->setEnabled(!busy);
    }
    m_ui->resultsPanel->setBusy(busy);
    // The last summary would stand beside the progress as if the folders were as it says.
    if (busy) {
        say(QString());
    } else if (m_status->text().isEmpty()) {
        // A job ended unrun, by a question's Cancel: the list and its summary stand as they were.
        say(m_ui->resultsPanel->model().report().statusLine());
    }
    // While a job runs, the title names the folder it works in; then the one the list shows.
    const QString folder = m_writer->jobFolder();
    if (!busy || !folder.isEmpty()) {
        setTitle(busy ? folder : m_ui->resultsPanel->model().report().shownFolder());
    }
}

void MainWindow::setTitle(const QString& folder)
{
    const QString name =
        QFileInfo(folder).fileName().isEmpty() ? folder : QFileInfo(folder).fileName();
    //: The window's title; %1: the name of the folder the list shows, or a job works in
    setWindowTitle(folder.isEmpty() ? QStringLiteral("Crestmap")
                                    : tr("%1 — Crestmap").arg(WindowWords::isolated(name)));
}

void MainWindow::open(const QString& path)
{
    if (path.isEmpty()) {
        return;
    }
    m_desktop.open(path, [this, path](Opening trouble) {
        const QString shown = WindowWords::isolated(QDir::toNativeSeparators(path));
        if (trouble == Opening::Failed) {
            //: %1: the path of a file or folder
            say(tr("Nothing could open %1").arg(shown));
        } else {
            //: %1: the path of a file or folder
            say(tr("The program for %1 has not answered yet").arg(shown));
        }
    });
}

void MainWindow::showReport(const SharedReport& report)
{
    say(report->statusLine());
    m_ui->resultsPanel->showReport(report);
    setTitle(report->shownFolder());
    m_ui->openFolderAction->setEnabled(!report->writtenFolder().isEmpty());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A check writes nothing, so it simply stops; a write is the user's to stop, and it is held
    // while the user is asked, so that the question says what is true.
    if (m_writer->writing()) {
        m_writer->pause();
        if (!m_prompts.confirmQuit(this, m_writer->quitQuestion(), m_writer->foldersLeft())) {
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
