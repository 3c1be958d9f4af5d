#include "MainWindow.h"

#include "FileSelector.h"
#include "FolderDragView.h"
#include "MappingFile.h"
#include "PackWalk.h"
#include "PathText.h"
#include "Prompts.h"
#include "RecordPreview.h"
#include "ResultAlert.h"
#include "ResultsModel.h"
#include "ResultsPanel.h"
#include "WriteController.h"
#include "ui_MainWindow.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>

MainWindow::MainWindow(Prompts* prompts, QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::MainWindow>())
{
    if (prompts == nullptr) {
        m_ownPrompts = std::make_unique<DialogPrompts>();
        prompts = m_ownPrompts.get();
    }
    m_prompts = prompts;
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
    m_writer = new WriteController(*prompts, this);
    m_fileSelector = new FileSelector(m_styles, *prompts, *m_writer, this);
    m_ui->folderDragView->attach(m_styles, *m_writer);
    // Dropping anywhere on the window's central area is dropping on the drop area.
    m_ui->centralWidget->setAcceptDrops(true);
    m_ui->centralWidget->installEventFilter(this);
    m_ui->resultsPanel->view().viewport()->setAcceptDrops(true);
    m_ui->resultsPanel->view().viewport()->installEventFilter(this);

    auto* selector = m_fileSelector;
    connectGroup(m_ui->graphicStyleGroup,
                 [selector](const QButtonGroup& group) { selector->graphicStyleRadios(group); });
    connectGroup(m_ui->logoTypeGroup,
                 [selector](const QButtonGroup& group) { selector->logoTypeRadios(group); });
    connectGroup(m_ui->kitTypeGroup,
                 [selector](const QButtonGroup& group) { selector->kitTypeRadios(group); });
    connectGroup(m_ui->backgroundTypeGroup,
                 [selector](const QButtonGroup& group) { selector->backgroundTypeRadios(group); });
    connect(m_fileSelector, &FileSelector::stylesChanged, this, &MainWindow::updatePreview);
    connect(m_ui->includeSubfolders, &QCheckBox::toggled, m_ui->folderDragView,
            &FolderDragView::setIncludeSubfolders);
    connectCommands();
    updatePreview();
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
    connect(ui.checkFolderAction, &QAction::triggered, this, &MainWindow::checkFolder);
    connect(ui.updateStaleAction, &QAction::triggered, this, &MainWindow::updateStale);
    connect(ui.updateStaleAction, &QAction::enabledChanged, ui.updateStaleButton,
            &QWidget::setEnabled);
    connect(ui.browseAction, &QAction::triggered, m_fileSelector, &FileSelector::fileBrowseSelect);
    connect(ui.writeFolderAction, &QAction::triggered, this, &MainWindow::writeFolder);
    connect(ui.quitAction, &QAction::triggered, this, &QWidget::close);
    connect(ui.undoAction, &QAction::triggered, m_writer, [this] { m_writer->undo(); });
    connect(ui.copyAction, &QAction::triggered, results,
            [results] { results->copySelection(false); });
    connect(ui.openFolderAction, &QAction::triggered, this,
            [this, results] { open(results->writtenFolder()); });
    connect(ui.helpAction, &QAction::triggered, this, &MainWindow::showHelp);
    connect(ui.aboutAction, &QAction::triggered, this, &MainWindow::showAbout);

    connect(m_writer, &WriteController::reported, this, &MainWindow::report);
    connect(m_writer, &WriteController::busyChanged, this, [this, results](bool busy) {
        for (QWidget* input : {static_cast<QWidget*>(m_ui->folderDragView),
                               static_cast<QWidget*>(m_ui->browseButton),
                               static_cast<QWidget*>(m_ui->writeFolderButton),
                               static_cast<QWidget*>(m_ui->checkFolderButton)}) {
            input->setEnabled(!busy);
        }
        for (QAction* action :
             {m_ui->browseAction, m_ui->writeFolderAction, m_ui->checkFolderAction}) {
            action->setEnabled(!busy);
        }
        m_ui->updateStaleAction->setEnabled(!busy && m_lastCheck &&
                                            !m_lastCheck->checked->outdatedFolders.empty());
        results->setBusy(busy);
    });
    connect(m_writer, &WriteController::progressed, results, &ResultsPanel::setProgress);
    connect(m_writer, &WriteController::undoAvailable, ui.undoAction, &QAction::setEnabled);
    ui.undoAction->setEnabled(m_writer->canUndo());
    connect(m_writer, &WriteController::undone, this, [this, results](const QString& summary) {
        statusBar()->showMessage(summary);
        // The list showed what the write did, which is now taken back.
        results->showReport(std::make_shared<const WriteReport>(WriteReport::failed(summary)));
    });
    connect(results, &ResultsPanel::cancelRequested, m_writer, &WriteController::cancel);
    // The summary's Undo is of the write it sums up, and of no later one.
    connect(results, &ResultsPanel::undoRequested, m_writer,
            [this, results] { m_writer->undo(results->model().report().journal); });
    connect(results, &ResultsPanel::openRequested, this, &MainWindow::open);
    connect(results, &ResultsPanel::showInFolderRequested, this, [this](const QString& path) {
        m_prompts->showInFolder(path, [this, path] { couldNotOpen(path); });
    });
    connect(results, &ResultsPanel::message, this,
            [this](const QString& text) { statusBar()->showMessage(text); });

    // Tab goes through the choices, the commands, then the list, and out of it in one stop.
    QWidget::setTabOrder(ui.browseButton, ui.writeFolderButton);
    QWidget::setTabOrder(ui.writeFolderButton, ui.checkFolderButton);
    QWidget::setTabOrder(ui.checkFolderButton, ui.updateStaleButton);
    QWidget::setTabOrder(ui.updateStaleButton, ui.includeSubfolders);
    QWidget::setTabOrder(ui.includeSubfolders, results->findChild<QWidget*>("resultsFilter"));
}

void MainWindow::connectGroup(QButtonGroup* group,
                              const std::function<void(const QButtonGroup&)>& action)
{
    // The interface file keeps each button's setting value in its "tag" property.
    for (QAbstractButton* button : group->buttons()) {
        group->setId(button, button->property("tag").toInt());
    }
    connect(group, &QButtonGroup::idClicked, m_fileSelector, [group, action] { action(*group); });
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

void MainWindow::writeFolder()
{
    if (m_writer->busy()) {
        return;
    }
    const QUrl folder = m_prompts->chooseFolder(this);
    if (!folder.isEmpty()) {
        m_writer->start(m_ui->folderDragView->requestFor(folder, WriteRequest::Source::Chosen));
    }
}

void MainWindow::open(const QString& path)
{
    if (!path.isEmpty()) {
        m_prompts->open(QUrl::fromLocalFile(path), [this, path] { couldNotOpen(path); });
    }
}

void MainWindow::couldNotOpen(const QString& path)
{
    statusBar()->showMessage(tr("Nothing could open %1").arg(QDir::toNativeSeparators(path)));
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

void MainWindow::report(const SharedReport& report)
{
    statusBar()->showMessage(report->statusLine());
    m_ui->resultsPanel->showReport(report);
    // A write makes the last check's list of stale folders old news.
    m_lastCheck = report->checked ? report : nullptr;
    if (m_lastCheck && !m_opened.empty() && report->base == m_opened) {
        // The title names the folder once its check is there to see.
        setWindowTitle(tr("%1 — Crestmap").arg(m_openedName));
        m_opened.clear();
    }
    m_ui->updateStaleAction->setEnabled(m_lastCheck &&
                                        !m_lastCheck->checked->outdatedFolders.empty());
    m_ui->openFolderAction->setEnabled(!m_ui->resultsPanel->writtenFolder().isEmpty());
}

void MainWindow::checkFolder()
{
    if (m_writer->busy()) {
        return;
    }
    const QUrl folder = m_prompts->chooseFolder(this);
    if (!folder.isEmpty()) {
        checkFolderAt(folder);
    }
}

void MainWindow::checkFolderAt(const QUrl& folder)
{
    m_writer->start(m_ui->folderDragView->requestFor(folder, WriteRequest::Source::Check));
}

void MainWindow::updateStale()
{
    if (m_writer->busy() || !m_lastCheck || m_lastCheck->checked->outdatedFolders.empty()) {
        return;
    }
    WriteRequest request;
    request.source = WriteRequest::Source::Update;
    request.folder = m_lastCheck->base;
    request.pack.folders = m_lastCheck->checked->outdatedFolders;
    request.pack.style = m_styles.stylePair();
    request.pack.rule = crestmap::StyleRule::Update;
    m_writer->start(std::move(request));
}

void MainWindow::chooseStyle(crestmap::StylePair style)
{
    // As if the user had clicked the buttons: the settings and the example follow them.
    const auto pick = [this](QButtonGroup* group, std::int64_t value) {
        if (QAbstractButton* button = group->button(static_cast<int>(value))) {
            button->click();
        }
    };
    pick(m_ui->graphicStyleGroup, style.graphicStyle);
    switch (style.graphicStyle) {
    case crestmap::GraphicStyle::Portrait:
        break;
    case crestmap::GraphicStyle::Kit:
        pick(m_ui->kitTypeGroup, style.subType);
        break;
    case crestmap::GraphicStyle::Background:
        pick(m_ui->backgroundTypeGroup, style.subType);
        break;
    default:
        pick(m_ui->logoTypeGroup, style.subType);
        break;
    }
}

void MainWindow::openArguments(const QStringList& arguments)
{
    if (arguments.isEmpty()) {
        return;
    }
    const QString& first = arguments.front();
    const QFileInfo info(first);
    QString problem;
    if (arguments.size() > 1) {
        problem = tr("Crestmap opens one folder at a time; %1 more were given: %2")
                      .arg(arguments.size() - 1)
                      .arg(arguments.mid(1).join(QStringLiteral(", ")));
    } else if (!info.exists()) {
        problem = tr("There is no file or folder called %1.").arg(QDir::toNativeSeparators(first));
    } else if (!info.isDir()) {
        problem = tr("%1 is a file, not a folder. Open the folder that holds it.")
                      .arg(QDir::toNativeSeparators(first));
    } else if (!info.isReadable() || !QDir(first).isReadable()) {
        problem = tr("%1 cannot be read.").arg(QDir::toNativeSeparators(first));
    }
    if (!problem.isEmpty()) {
        statusBar()->showMessage(problem);
        (void)m_prompts->showResultAlert(this, {tr("Cannot open %1").arg(first), problem, {}});
        return;
    }
    const std::string folder = coreBytes(QDir::toNativeSeparators(info.absoluteFilePath()));
    if (const auto own = crestmap::readOwnStyle(folder).style) {
        chooseStyle(*own);
    }
    // A pack's top folder often holds only folders of images: then those are what to check.
    if (!crestmap::holdsImages(folder) && crestmap::subfoldersHoldImages(folder)) {
        m_ui->includeSubfolders->setChecked(true);
    }
    m_opened = folder;
    m_openedName = info.fileName().isEmpty() ? first : info.fileName();
    checkFolderAt(QUrl::fromLocalFile(info.absoluteFilePath()));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_writer->busy() || m_quitting) {
        event->accept();
        return;
    }
    // A check writes nothing, so it simply stops; a write is the user's to stop. Its alert waits
    // while the user is asked.
    if (m_writer->writing()) {
        m_writer->holdAlerts(true);
        const bool quit = m_prompts->confirmQuit(this, m_writer->progressBrief());
        if (!quit) {
            m_writer->holdAlerts(false);
            event->ignore();
            return;
        }
    }
    // Each config.xml is left as it was or whole; what was written stays undoable, from the
    // next start or the command line, not from an alert of a window that has gone.
    m_quitting = true;
    m_writer->abandon();
    m_writer->stopAndWait(2000);
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

void MainWindow::updatePreview()
{
    m_ui->previewLabel->setText(tr("Example: %1").arg(recordPreview(m_styles.stylePair())));
    // Only the groups that this style reads can be chosen.
    namespace Style = crestmap::GraphicStyle;
    const std::int64_t style = m_styles.graphicStyle;
    m_ui->logoTypeBox->setEnabled(style >= Style::Logo && style <= Style::LogoBackgroundRight);
    m_ui->kitTypeBox->setEnabled(style == Style::Kit);
    m_ui->backgroundTypeBox->setEnabled(style == Style::Background);
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
    QMessageBox::about(this, tr("About Crestmap"),
                       tr("<p><b>Crestmap %1</b></p><p>Writes config.xml, the file that maps a "
                          "folder of images to a game's pictures.</p><p>Released under the MIT "
                          "licence.</p>")
                               .arg(QCoreApplication::applicationVersion()) +
                           notices.arg(QString::fromLatin1(qVersion())));
}

void MainWindow::showHelp()
{
    QMessageBox::information(
        this, tr("Crestmap help"),
        tr("Choose what the images are with the four groups, then hand them over: Browse for "
           "images… (%1) maps the files you choose; Write folder… (%2) or a folder dropped on the "
           "window maps every image in it, and with Include sub-folders every folder below it. "
           "Check folder… (%4) compares a folder's config.xml files with what would be written, "
           "and writes nothing.\n\n"
           "The list shows what each image became. Enter opens an image; the context menu copies "
           "paths and records. Undo (%3) puts back what the last write, of this window or of "
           "crestmap-cli, replaced.")
            .arg(m_ui->browseAction->shortcut().toString(QKeySequence::NativeText),
                 m_ui->writeFolderAction->shortcut().toString(QKeySequence::NativeText),
                 m_ui->undoAction->shortcut().toString(QKeySequence::NativeText),
                 m_ui->checkFolderAction->shortcut().toString(QKeySequence::NativeText)));
}
