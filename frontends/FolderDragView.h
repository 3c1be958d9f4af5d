#pragma once

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

    /// Lists the folder, writes its config.xml and returns whether it was written.
    bool writeFolderConfig(const QUrl& folder);

signals:
    /// A drop was handled; `written` says how it ended. The alert follows.
    void folderHandled(bool written);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void setHovering(bool hovering);

    crestmap::StyleSelectors* m_styles = nullptr;
    Prompts* m_prompts = nullptr;
    QLabel* m_label;
};
