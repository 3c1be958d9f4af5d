#include "Desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <atomic>
#include <memory>
#include <thread>
#ifdef Q_OS_WIN
#include <objbase.h>
#include <shellapi.h>
#include <windows.h>
#endif

namespace {

#ifndef Q_OS_WIN
// Runs `program` without waiting for it, and tells of its failure when it ends.
void start(QObject* owner, const QString& program, const QStringList& arguments,
           const std::function<void()>& failed)
{
    auto* process = new QProcess(owner);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0) {
                             failed();
                         }
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             failed();
                             process->deleteLater();
                         }
                     });
    process->start(program, arguments);
}
#endif

} // namespace

void SystemDesktop::open(const QString& path, const std::function<void(Opening)>& trouble)
{
#ifdef Q_OS_WIN
    // The shell may broadcast to every window of the desktop, ours too, before it answers, and
    // a viewer registered for DDE may never answer: it runs where the window never waits for it.
    auto answered = std::make_shared<std::atomic<bool>>(false);
    QPointer<SystemDesktop> self(this);
    std::thread([self, path, trouble, answered] {
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
        info.lpVerb = L"open";
        info.lpFile = file.c_str();
        info.nShow = SW_SHOWNORMAL;
        const bool opened = ::ShellExecuteExW(&info) != FALSE;
        ::CoUninitialize();
        *answered = true;
        if (!opened) {
            // Told on the window's thread, and only while the window is there to be told.
            QMetaObject::invokeMethod(QCoreApplication::instance(), [self, trouble] {
                if (self) {
                    trouble(Opening::Failed);
                }
            });
        }
    }).detach();
    QTimer::singleShot(5000, this, [trouble, answered] {
        if (!*answered) {
            trouble(Opening::NoAnswer);
        }
    });
#else
    // xdg-open says whether anything opened the file, which the desktop services do not wait to
    // hear: at once on most desktops, and once the viewer closes on the others.
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
            trouble(Opening::Failed);
        }
        return;
    }
    start(this, xdgOpen, {path}, [trouble] { trouble(Opening::Failed); });
#endif
}

void SystemDesktop::showInFolder(const QString& path, const std::function<void(Opening)>& trouble)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo::exists(path)) {
        open(folder, trouble);
        return;
    }
#ifdef Q_OS_WIN
    // Explorer reads "/select," and the path as two arguments, the path quoted whatever it holds.
    QProcess explorer;
    explorer.setProgram(QStringLiteral("explorer.exe"));
    explorer.setNativeArguments(
        QStringLiteral("/select, \"%1\"").arg(QDir::toNativeSeparators(path)));
    if (!explorer.startDetached()) {
        open(folder, trouble);
    }
#else
    // The file manager's own call selects the file; without one, the folder opens.
    QPointer<SystemDesktop> self(this);
    start(this, QStringLiteral("dbus-send"),
          {QStringLiteral("--session"), QStringLiteral("--print-reply"),
           QStringLiteral("--dest=org.freedesktop.FileManager1"),
           QStringLiteral("/org/freedesktop/FileManager1"),
           QStringLiteral("org.freedesktop.FileManager1.ShowItems"),
           QStringLiteral("array:string:") + QUrl::fromLocalFile(path).toString(),
           QStringLiteral("string:")},
          [self, folder, trouble] {
              if (self) {
                  self->open(folder, trouble);
              }
          });
#endif
}
