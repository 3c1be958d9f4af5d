#pragma once

#include "PackWalk.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;
struct ResultAlert;

/// What the user chose to do with a pack whose plan was shown.
enum class PlanChoice { UpdateOwnStyles, WriteAllInChosenStyle, Cancel };

/// How the user dismissed an outcome alert.
enum class AlertAnswer { Ok, Undo };

/// The window's modal dialogs and its calls into the desktop behind one seam, so that tests can
/// answer them without blocking and without starting other programs.
class Prompts {
public:
    virtual ~Prompts() = default;

    /// The image files the user chose, in the dialog's order; empty when cancelled.
    [[nodiscard]] virtual QList<QUrl> chooseImageFiles(QWidget* parent) = 0;

    /// The folder the user chose to write; empty when cancelled.
    [[nodiscard]] virtual QUrl chooseFolder(QWidget* parent) = 0;

    /// Shows what writing a pack would do, in `style`, and asks how to go on.
    [[nodiscard]] virtual PlanChoice choosePlan(QWidget* parent, const crestmap::PackPlan& plan,
                                                const QString& style) = 0;

    /// Shows the outcome of a write and returns when the user dismisses it.
    virtual AlertAnswer showResultAlert(QWidget* parent, const ResultAlert& alert) = 0;

    /// Asks whether to stop the running write and quit, saying how far it has come.
    [[nodiscard]] virtual bool confirmQuit(QWidget* parent, const QString& progress) = 0;

    /// Opens a file or folder in the desktop's own program for it; calls `failed`, at once or
    /// when the desktop answers, when nothing could.
    virtual void open(const QUrl& url, const std::function<void()>& failed) = 0;

    /// Shows a file in the file manager, selected where the desktop allows it, or else opens its
    /// folder; calls `failed` when neither could be done.
    virtual void showInFolder(const QString& path, const std::function<void()>& failed) = 0;
};

/// The real dialogs, which open where the last one of this run was left.
class DialogPrompts final : public Prompts {
public:
    DialogPrompts() = default;
    ~DialogPrompts() override;
    DialogPrompts(const DialogPrompts&) = delete;
    DialogPrompts& operator=(const DialogPrompts&) = delete;

    [[nodiscard]] QList<QUrl> chooseImageFiles(QWidget* parent) override;
    [[nodiscard]] QUrl chooseFolder(QWidget* parent) override;
    [[nodiscard]] PlanChoice choosePlan(QWidget* parent, const crestmap::PackPlan& plan,
                                        const QString& style) override;
    AlertAnswer showResultAlert(QWidget* parent, const ResultAlert& alert) override;
    [[nodiscard]] bool confirmQuit(QWidget* parent, const QString& progress) override;
    void open(const QUrl& url, const std::function<void()>& failed) override;
    void showInFolder(const QString& path, const std::function<void()>& failed) override;

private:
    QString m_lastFolder;
    QObject m_openers; ///< the programs asked to open a file, until they answer
};
