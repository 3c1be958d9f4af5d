#include "AppDelegate.h"
#include "MainWindow.h"

#include <QApplication>
#include <QIcon>
#include <csignal>

int main(int argc, char** argv)
{
    // A file-size limit should fail a write with the failure alert, not end the application.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Crestmap"));
    QApplication::setApplicationVersion(QStringLiteral(CRESTMAP_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.crestmap.Crestmap"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/crestmap.svg")));

    AppDelegate delegate;
    QApplication::setQuitOnLastWindowClosed(
        AppDelegate::applicationShouldTerminateAfterLastWindowClosed());

    MainWindow window;
    delegate.window = &window;
    window.show();
    return QApplication::exec();
}
