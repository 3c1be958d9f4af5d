#include "Desktop.h"
#include "FileSelector.h"
#include "MainWindow.h"
#include "Prompts.h"
#include "Translator.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <csignal>
#include <cstdio>

namespace {

// Explorer quotes a drive root as "P:\", and Windows' argument rules read its \" as a quote.
// No path holds a quote, so a trailing one was that backslash.
QStringList backslashesRestored(QStringList arguments)
{
#ifdef Q_OS_WIN
    for (QString& argument : arguments) {
        if (argument.endsWith(u'"')) {
            argument.back() = u'\\';
        }
    }
#endif
    return arguments;
}

// The window's own options: --help, --version and a folder.
void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Writes config.xml, the file that maps a folder of images to a game's pictures."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FOLDER"),
        QCoreApplication::translate("main", "A folder to open and check; nothing is written until "
                                            "you write or update it."),
        QStringLiteral("[FOLDER]"));
}

void name()
{
    QCoreApplication::setApplicationName(QStringLiteral("Crestmap"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CRESTMAP_VERSION));
}

// What --help or --version print is their answer: one that cannot be written fails the run.
[[maybe_unused]] int printed(const QString& text)
{
    if (std::fputs(text.toLocal8Bit().constData(), stdout) < 0 || std::fflush(stdout) != 0) {
        std::fputs("crestmap: cannot write to standard output\n", stderr);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
#ifdef SIGXFSZ
    // A file-size limit should fail a write with the failure alert, not end the application.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifndef Q_OS_WIN
    // --help and --version print and end, with or without a display to show a window on, in the
    // window's language.
    {
        QCoreApplication console(argc, argv);
        name();
        installTranslators(console);
        QCommandLineParser parser;
        describe(parser);
        if (parser.parse(QCoreApplication::arguments())) {
            if (parser.isSet(QStringLiteral("help"))) {
                return printed(parser.helpText());
            }
            if (parser.isSet(QStringLiteral("version"))) {
                return printed(QStringLiteral("Crestmap " CRESTMAP_VERSION "\n"));
            }
        }
    }
#endif
    QApplication app(argc, argv);
    name();
    installTranslators(app);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.crestmap.Crestmap"));
    // The PNG renditions show even where Qt's SVG icon engine is not installed.
    QIcon icon(QStringLiteral(":/icons/crestmap.svg"));
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/crestmap-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);

    // Qt has taken its own options by now; what is left is ours.
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);

    DialogPrompts prompts;
    SystemDesktop desktop;
    MainWindow window(prompts, desktop);
    window.show();
    window.selector().openArguments(backslashesRestored(parser.positionalArguments()));
    return QApplication::exec();
}
