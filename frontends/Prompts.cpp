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

PlanChoice DialogPrompts::choosePlan(QWidget* parent, const crestmap::PackPlan& plan,
                                     const QString& style)
{
    QMessageBox box(parent);
    box.setWindowTitle(QObject::tr("Crestmap"));
    box.setIcon(QMessageBox::Question);
    box.setText(
        counted(plan.folders, "Write config.xml in %1 folder?", "Write config.xml in %1 folders?"));
    QString body = counted(plan.replaces, "This replaces %1 config.xml file.",
                           "This replaces %1 config.xml files.");
    if (!plan.otherStyle.empty()) {
        body += QLatin1Char(' ') + counted(plan.otherStyle.size(),
                                           "%1 of them maps another style than %2:",
                                           "%1 of them map another style than %2:")
                                       .arg(style);
        QStringList folders;
        for (const auto& [folder, own] : plan.otherStyle) {
            folders << QStringLiteral("%1 (%2)").arg(
                shownPath(folder), QString::fromStdString(crestmap::describeStyle(own)));
        }
        box.setDetailedText(folders.join(QLatin1Char('\n')));
    }
    box.setInformativeText(body);
    QPushButton* keep =
        box.addButton(QObject::tr("&Keep each folder's own style"), QMessageBox::AcceptRole);
    QPushButton* all =
        box.addButton(QObject::tr("Write &all as %1").arg(style), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(keep);
    box.exec();
    if (box.clickedButton() == keep) {
        return PlanChoice::KeepOwnStyles;
    }
    return box.clickedButton() == all ? PlanChoice::WriteAllInChosenStyle : PlanChoice::Cancel;
}

void DialogPrompts::showResultAlert(QWidget* parent, const ResultAlert& alert)
{
    QMessageBox box(parent);
    box.setWindowTitle(QObject::tr("Crestmap"));
    box.setText(alert.messageText);
    box.setInformativeText(alert.informativeText);
    if (!alert.detailedText.isEmpty()) {
        box.setDetailedText(alert.detailedText);
    }
    box.addButton(QMessageBox::Ok);
    box.exec();
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
