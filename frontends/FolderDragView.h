#pragma once

#include <QFrame>
#include <QList>
#include <QUrl>
#include <functional>
#include <optional>

class QLabel;

/// The window's drop area: one folder dropped on it, or anywhere on the window, is handed on to
/// be written.
class FolderDragView : public QFrame {
    Q_OBJECT

public:
    explicit FolderDragView(QWidget* parent = nullptr);

    /// What takes a dropped folder; it answers false when it cannot take one now. The area
    /// refuses drops until it has one.
    void attach(std::function<bool(const QUrl& folder)> take) { m_take = std::move(take); }

    /// The folder a drag carries: exactly one URL, in directory form or naming a local folder.
    [[nodiscard]] static std::optional<QUrl> droppedFolder(const QList<QUrl>& urls);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    /// Takes the drops that land anywhere on a widget it watches as drops on this view.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setHovering(bool hovering, bool acceptable = true);

    std::function<bool(const QUrl&)> m_take;
    QLabel* m_label;
};
