#include "Prompts.h"

#include "MappingFile.h"
#include "PathText.h"
#include "ResultAlert.h"
#include "WriteReport.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

QList<QUrl> DialogPrompts::chooseImageFiles(QWidget* parent)
{
    QFileDialog dialog(parent, QObject::tr("Browse for images"),
                       m_lastFolder.isEmpty() ? QDir::homePath() : m_lastFolder);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(QObject::tr("Images (*.png *.jpg *.jpeg)"));
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

void DialogPrompts::open(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

void DialogPrompts::showInFolder(const QString& path)
{
#ifdef Q_OS_WIN
    QProcess::startDetached(QStringLiteral("explorer.exe"),
                            {QStringLiteral("/select,") + QDir::toNativeSeparators(path)});
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
    if (!shown) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
    }
#endif
}
