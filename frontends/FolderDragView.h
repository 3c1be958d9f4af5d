#pragma once

#include "ConfigWriteAction.h"

#include <QFrame>
#include <QList>
#include <QUrl>
#include <optional>

class Prompts;
class QLabel;
namespace crestmap {
struct StyleSelectors;
}

/// The window's drop area: one folder dropped on it gets its config.xml.
class FolderDragView : public QFrame {
    Q_OBJECT

public:
    explicit FolderDragView(QWidget* parent = nullptr);

    /// The settings and dialogs a drop uses; the area refuses drops until it has them.
    void attach(crestmap::StyleSelectors& styles, Prompts& prompts);

    /// The folder a drag carries: exactly one URL, in directory form or naming a local folder.
    [[nodiscard]] static std::optional<QUrl> droppedFolder(const QList<QUrl>& urls);

signals:
    /// A drop was handled; one line of detail, as the alert gives none. The alert follows.
    void reported(const QString& summary);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    WriteOutcome writeFolderConfig(const QUrl& folder);
    void setHovering(bool hovering, bool acceptable = true);

    crestmap::StyleSelectors* m_styles = nullptr;
    Prompts* m_prompts = nullptr;
    QLabel* m_label;
};
