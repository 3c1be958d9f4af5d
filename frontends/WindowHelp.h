#pragma once

#include <QCoreApplication>
#include <initializer_list>

class Prompts;
class QAction;
class QWidget;

/// Help ▸ About Crestmap and Help ▸ Crestmap help, shown through the dialogs' seam, in the
/// window's translation context.
class WindowHelp {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    static void showAbout(Prompts& prompts, QWidget* parent);
    /// `commands`: Browse, Write folder, Undo and Check folder, whose keys the help names.
    static void showHelp(Prompts& prompts, QWidget* parent,
                         std::initializer_list<const QAction*> commands);
};
