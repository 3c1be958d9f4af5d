#pragma once

#include <QList>
#include <QUrl>

class QWidget;
struct ResultAlert;

/// The window's modal dialogs behind one seam, so that tests can answer them without blocking.
class Prompts {
public:
    virtual ~Prompts() = default;

    /// The image files the user chose, in the dialog's order; empty when cancelled.
    [[nodiscard]] virtual QList<QUrl> chooseImageFiles(QWidget* parent) = 0;

    /// Shows the outcome of a write and returns when the user dismisses it.
    virtual void showResultAlert(QWidget* parent, const ResultAlert& alert) = 0;
};

/// The real dialogs: a file dialog for png, jpg and jpeg files, and a message box.
class DialogPrompts final : public Prompts {
public:
    [[nodiscard]] QList<QUrl> chooseImageFiles(QWidget* parent) override;
    void showResultAlert(QWidget* parent, const ResultAlert& alert) override;
};
