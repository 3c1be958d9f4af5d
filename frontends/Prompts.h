#pragma once

#include "JournalIndex.h"
#include "MappingFile.h"
#include "PackWalk.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

class QWidget;
struct ResultAlert;

/// What the user chose for folders whose config.xml a write in the chosen style would change: the
/// folders of a pack whose plan was shown, or one folder that maps another style.
enum class StyleChoice { UpdateOwnStyle, WriteChosenStyle, Cancel };

/// How the user dismissed an outcome alert.
enum class AlertAnswer { Ok, Undo };

/// The window's modal dialogs behind one seam, so that tests can answer them without blocking.
class Prompts {
public:
    virtual ~Prompts() = default;

    /// The image files the user chose, in the dialog's order; empty when cancelled.
    [[nodiscard]] virtual QList<QUrl> chooseImageFiles(QWidget* parent) = 0;

    /// The folder the user chose to write, or with `checking` to check, starting at `start`;
    /// empty when cancelled.
    [[nodiscard]] virtual QUrl chooseFolder(QWidget* parent, bool checking,
                                            const QString& start) = 0;

    /// Shows what writing a pack would do, in `style`, and asks how to go on; `undoable` when
    /// the write's journal can be kept.
    [[nodiscard]] virtual StyleChoice choosePlan(QWidget* parent, const crestmap::PackPlan& plan,
                                                 crestmap::StylePair style, bool undoable) = 0;

    /// Asks before `config` (its folder and name, as shown) is written in `chosen`: it maps `own`,
    /// or, without one, was cut short as `file` says; `undoable` when the write's journal can be
    /// kept.
    [[nodiscard]] virtual StyleChoice chooseKeep(QWidget* parent, const QString& config,
                                                 const crestmap::MappingScan& file,
                                                 std::optional<crestmap::StylePair> own,
                                                 crestmap::StylePair chosen, bool undoable) = 0;

    /// Asks `question`, whether to undo a write that is not the write the window shows.
    [[nodiscard]] virtual bool confirmUndo(QWidget* parent, const QString& question) = 0;

    /// Asks whether to put back the old copies of `files` over what changed them since; `made`
    /// of them the write made, and have no old copy: they would go.
    [[nodiscard]] virtual bool confirmForce(QWidget* parent, const QStringList& files,
                                            std::size_t made) = 0;

    /// Shows the outcome of a write and returns when the user dismisses it.
    virtual AlertAnswer showResultAlert(QWidget* parent, const ResultAlert& alert) = 0;

    /// Asks `question`, whether to stop the paused write and quit, which says how far it has come;
    /// `foldersLeft`: whether some folders would then keep their old config.xml.
    [[nodiscard]] virtual bool confirmQuit(QWidget* parent, const QString& question,
                                           bool foldersLeft) = 0;

    /// Shows a text of the window's own: its help or what it is.
    virtual void showText(QWidget* parent, const QString& title, const QString& text) = 0;
};

/// The real dialogs, which open at the folder in view, or where the last one of this run was left.
class DialogPrompts final : public Prompts {
    Q_DECLARE_TR_FUNCTIONS(DialogPrompts)

public:
    [[nodiscard]] QList<QUrl> chooseImageFiles(QWidget* parent) override;
    [[nodiscard]] QUrl chooseFolder(QWidget* parent, bool checking, const QString& start) override;
    [[nodiscard]] StyleChoice choosePlan(QWidget* parent, const crestmap::PackPlan& plan,
                                         crestmap::StylePair style, bool undoable) override;
    [[nodiscard]] StyleChoice chooseKeep(QWidget* parent, const QString& config,
                                         const crestmap::MappingScan& file,
                                         std::optional<crestmap::StylePair> own,
                                         crestmap::StylePair chosen, bool undoable) override;
    [[nodiscard]] bool confirmUndo(QWidget* parent, const QString& question) override;
    [[nodiscard]] bool confirmForce(QWidget* parent, const QStringList& files,
                                    std::size_t made) override;
    AlertAnswer showResultAlert(QWidget* parent, const ResultAlert& alert) override;
    [[nodiscard]] bool confirmQuit(QWidget* parent, const QString& question,
                                   bool foldersLeft) override;
    void showText(QWidget* parent, const QString& title, const QString& text) override;

private:
    QString m_lastFolder;
};
