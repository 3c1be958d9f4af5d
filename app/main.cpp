#include "AppDelegate.h"
#include "MainWindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
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
