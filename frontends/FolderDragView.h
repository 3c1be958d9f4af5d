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

    /// With sub-folders included, a dropped folder and every folder below it that holds images
    /// get their config.xml. Off at every start.
    void setIncludeSubfolders(bool include) { m_includeSubfolders = include; }

    /// The folder a drag carries: exactly one URL, in directory form or naming a local folder.
    [[nodiscard]] static std::optional<QUrl> droppedFolder(const QList<QUrl>& urls);

signals:
    /// A drop was handled, with what it wrote; the alert follows.
    void reported(const SharedReport& report);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    WriteReport writeFolder(const QUrl& folder);
    void setHovering(bool hovering, bool acceptable = true);

    crestmap::StyleSelectors* m_styles = nullptr;
    Prompts* m_prompts = nullptr;
    QLabel* m_label;
    bool m_includeSubfolders = false;
};
