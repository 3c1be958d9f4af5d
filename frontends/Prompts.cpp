#include "Prompts.h"

#include "MappingFile.h"
#include "PathText.h"
#include "ResultAlert.h"
#include "WriteReport.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTreeView>

namespace {

// Qt's own file dialog opens small, with its size and date cut; a system's dialog sizes itself.
void giveRoom(QFileDialog& dialog)
{
    const QFontMetrics metrics(dialog.font());
    QSize size(metrics.averageCharWidth() * 140, metrics.lineSpacing() * 36);
    if (const QScreen* screen = dialog.screen()) {
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    }
    dialog.resize(size.expandedTo(dialog.sizeHint()));
    auto* view = dialog.findChild<QTreeView*>();
    if (view == nullptr) {
        return;
    }
    const QLocale locale;
    const int margin = metrics.averageCharWidth() * 4;
    const QDateTime late(QDate(2000, 12, 28), QTime(23, 59));
    const QStringList widest{locale.formattedDataSize(1023 * 1024 + 1023),
                             QObject::tr("JPEG image"),
                             locale.toString(late, QLocale::ShortFormat)};
    for (int column = 1; column <= widest.size(); ++column) {
        view->header()->resizeSection(column,
                                      metrics.horizontalAdvance(widest[column - 1]) + margin);
    }
}

} // namespace

DialogPrompts::~DialogPrompts()
{
    // Quitting ends the waits for an answer; none is wanted any more.
    for (QProcess* opener : m_openers.findChildren<QProcess*>()) {
        opener->disconnect();
    }
}

QList<QUrl> DialogPrompts::chooseImageFiles(QWidget* parent)
{
    QFileDialog dialog(parent, QObject::tr("Browse for images"),
                       m_lastFolder.isEmpty() ? QDir::homePath() : m_lastFolder);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(QObject::tr("Images (*.png *.jpg *.jpeg)"));
    giveRoom(dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const QList<QUrl> urls = dialog.selectedUrls();
    if (!urls.isEmpty() && urls.front().isLocalFile()) {
        m_lastFolder = QFileInfo(urls.front().toLocalFile()).absolutePath();
    }
    return urls;
}

QUrl DialogPrompts::chooseFolder(QWidget* parent)
{
    const QUrl folder = QFileDialog::getExistingDirectoryUrl(
        parent, QObject::tr("Write a folder"),
        QUrl::fromLocalFile(m_lastFolder.isEmpty() ? QDir::homePath() : m_lastFolder));
    if (folder.isLocalFile()) {
        m_lastFolder = folder.toLocalFile();
    }
    return folder;
}

namespace {

// Up to ten folders a line each, then how many more.
QString folderLines(const std::vector<crestmap::PlannedFolder>& sample, std::size_t count,
                    bool withStyle)
{
    QStringList lines;
    for (const crestmap::PlannedFolder& folder : sample) {
        const QString what = withStyle && folder.own
                                 ? QString::fromStdString(crestmap::describeStyle(*folder.own))
                                 : QString::fromStdString(folder.change);
        lines << QStringLiteral("  • %1%2")
                     .arg(shownPath(folder.folder),
                          what.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(what));
    }
    if (count > sample.size()) {
        lines << QObject::tr("  … and %1 more").arg(count - sample.size());
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

PlanChoice DialogPrompts::choosePlan(QWidget* parent, const crestmap::PackPlan& plan,
                                     const QString& style)
{
    QMessageBox box(parent);
    box.setWindowTitle(QObject::tr("Crestmap"));
    box.setIcon(QMessageBox::Question);
    box.setText(
        counted(plan.folders, "Write config.xml in %1 folder?", "Write config.xml in %1 folders?"));
    QStringList body;
    body << counted(plan.updated,
                    "Updating each folder in its own style changes %1 config.xml (new images get "
                    "their records):",
                    "Updating each folder in its own style changes %1 config.xml files (new "
                    "images get their records):");
    if (plan.updated > 0) {
        body << folderLines(plan.updatedSample, plan.updated, false);
    }
    if (plan.folders > plan.replaces) {
        body << counted(plan.folders - plan.replaces,
                        "%1 folder without a config.xml gets one as %2.",
                        "%1 folders without a config.xml get one as %2.")
                    .arg(style);
    }
    if (plan.otherStyle > 0) {
        body << counted(plan.otherStyle, "Writing all as %2 would change the style of %1 folder:",
                        "Writing all as %2 would change the style of %1 folders:")
                    .arg(style);
        body << folderLines(plan.otherStyleSample, plan.otherStyle, true);
    }
    if (plan.replaces > 0) {
        body << counted(plan.replaces, "This replaces %1 config.xml file; Undo puts it back.",
                        "This replaces %1 config.xml files; Undo puts them back.");
    }
    box.setInformativeText(body.join(QLatin1Char('\n')));
    QPushButton* update =
        box.addButton(QObject::tr("&Update each folder in its own style"), QMessageBox::AcceptRole);
    QPushButton* all =
        box.addButton(QObject::tr("Write &all as %1").arg(style), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(update);
    box.exec();
    if (box.clickedButton() == update) {
        return PlanChoice::UpdateOwnStyles;
    }
    return box.clickedButton() == all ? PlanChoice::WriteAllInChosenStyle : PlanChoice::Cancel;
}

AlertAnswer DialogPrompts::showResultAlert(QWidget* parent, const ResultAlert& alert)
{
    QMessageBox box(parent);
    box.setWindowTitle(QObject::tr("Crestmap"));
    box.setText(alert.messageText);
    box.setInformativeText(alert.informativeText);
    if (!alert.detailedText.isEmpty()) {
        box.setDetailedText(alert.detailedText);
    }
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    QPushButton* undo =
        alert.offersUndo ? box.addButton(QObject::tr("&Undo"), QMessageBox::ResetRole) : nullptr;
    // Enter or Escape dismisses it; taking a write back is only ever chosen.
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return undo != nullptr && box.clickedButton() == undo ? AlertAnswer::Undo : AlertAnswer::Ok;
}

bool DialogPrompts::confirmQuit(QWidget* parent, const QString& progress)
{
    QMessageBox box(parent);
    box.setWindowTitle(QObject::tr("Crestmap"));
    box.setIcon(QMessageBox::Warning);
    box.setText(QObject::tr("A write is running (%1). Stop it and quit?").arg(progress));
    box.setInformativeText(QObject::tr("Folders not yet written keep their old config.xml; Undo "
                                       "stays available."));
    QPushButton* quit = box.addButton(QObject::tr("Stop and &Quit"), QMessageBox::DestructiveRole);
    box.addButton(QObject::tr("&Keep writing"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == quit;
}

void DialogPrompts::open(const QUrl& url, const std::function<void()>& failed)
{
#ifndef Q_OS_WIN
    // xdg-open says whether anything opened the file, which the desktop services do not wait to
    // hear: at once on most desktops, and once the viewer closes on the others.
    if (const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        !xdgOpen.isEmpty() && url.isLocalFile()) {
        auto* opener = new QProcess(&m_openers);
        opener->setStandardOutputFile(QProcess::nullDevice());
        opener->setStandardErrorFile(QProcess::nullDevice());
        QObject::connect(opener, &QProcess::finished, opener,
                         [opener, failed](int code, QProcess::ExitStatus status) {
                             if (status != QProcess::NormalExit || code != 0) {
                                 failed();
                             }
                             opener->deleteLater();
                         });
        QObject::connect(opener, &QProcess::errorOccurred, opener,
                         [opener, failed](QProcess::ProcessError error) {
                             if (error == QProcess::FailedToStart) {
                                 failed();
                                 opener->deleteLater();
                             }
                         });
        opener->start(xdgOpen, {url.toLocalFile()});
        return;
    }
#endif
    if (!QDesktopServices::openUrl(url)) {
        failed();
    }
}

void DialogPrompts::showInFolder(const QString& path, const std::function<void()>& failed)
{
    const QUrl folder = QUrl::fromLocalFile(QFileInfo(path).absolutePath());
    if (!QFileInfo::exists(path)) {
        open(folder, failed);
        return;
    }
#ifdef Q_OS_WIN
    // Explorer reads "/select," and the path as two arguments, the path quoted whatever it holds.
    QProcess explorer;
    explorer.setProgram(QStringLiteral("explorer.exe"));
    explorer.setNativeArguments(
        QStringLiteral("/select, \"%1\"").arg(QDir::toNativeSeparators(path)));
    const bool shown = explorer.startDetached();
#else
    // The file manager's own call selects the file; without one, the folder opens.
    const bool shown =
        QProcess::execute(QStringLiteral("dbus-send"),
                          {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                           QStringLiteral("--dest=org.freedesktop.FileManager1"),
                           QStringLiteral("/org/freedesktop/FileManager1"),
                           QStringLiteral("org.freedesktop.FileManager1.ShowItems"),
                           QStringLiteral("array:string:") + QUrl::fromLocalFile(path).toString(),
                           QStringLiteral("string:")}) == 0;
#endif
    if (!shown) {
        open(folder, failed);
    }
}
