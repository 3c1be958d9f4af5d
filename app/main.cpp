#include "AppDelegate.h"
#include "MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <csignal>

int main(int argc, char** argv)
{
#ifdef SIGXFSZ
    // A file-size limit should fail a write with the failure alert, not end the application.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Crestmap"));
    QApplication::setApplicationVersion(QStringLiteral(CRESTMAP_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.crestmap.Crestmap"));
    // The PNG renditions show even where Qt's SVG icon engine is not installed.
    QIcon icon(QStringLiteral(":/icons/crestmap.svg"));
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/crestmap-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);

    AppDelegate delegate;
    QApplication::setQuitOnLastWindowClosed(
        AppDelegate::applicationShouldTerminateAfterLastWindowClosed());

    // Qt has taken its own options by now; what is left is ours.
    QCommandLineParser parser;
    parser.setApplicationDescription(QApplication::translate(
        "main", "Writes config.xml, the file that maps a folder of images to a game's pictures."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FOLDER"),
        QApplication::translate("main", "A folder to open and check; nothing is written until you "
                                        "write or update it."),
        QStringLiteral("[FOLDER]"));
    parser.process(app);

    MainWindow window;
    delegate.window = &window;
    window.show();
    window.openArguments(parser.positionalArguments());
    return QApplication::exec();
}
