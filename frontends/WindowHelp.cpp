#include "WindowHelp.h"

#include "Prompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QStringList>

void WindowHelp::showAbout(Prompts& prompts, QWidget* parent)
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
    prompts.showText(parent, tr("About Crestmap"),
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

void WindowHelp::showHelp(Prompts& prompts, QWidget* parent,
                          std::initializer_list<const QAction*> commands)
{
    QStringList keys;
    for (const QAction* command : commands) {
        keys << command->shortcut().toString(QKeySequence::NativeText);
    }
    prompts.showText(
        parent, tr("Crestmap help"),
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
