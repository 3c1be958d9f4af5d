#pragma once

#include "WriteJob.h"

#include <QFrame>
#include <QList>
#include <QUrl>
#include <optional>

class QLabel;
class WriteController;
namespace crestmap {
struct StyleSelectors;
}

/// The window's drop area: one folder dropped on it gets its config.xml.
class FolderDragView : public QFrame {
    Q_OBJECT

public:
    explicit FolderDragView(QWidget* parent = nullptr);

    /// The settings and the writer a drop uses; the area refuses drops until it has them.
    void attach(crestmap::StyleSelectors& styles, WriteController& writer);

    /// With sub-folders included, a dropped folder and every folder below it that holds images
    /// get their config.xml. Off at every start.
    void setIncludeSubfolders(bool include) { m_includeSubfolders = include; }

    /// The folder a drag carries: exactly one URL, in directory form or naming a local folder.
    [[nodiscard]] static std::optional<QUrl> droppedFolder(const QList<QUrl>& urls);

    /// The write (or check) of `folder` with the choices as they stand, as a drop of it would
    /// be.
    [[nodiscard]] WriteRequest
    requestFor(const QUrl& folder, WriteRequest::Source source = WriteRequest::Source::Drop) const;

    /// Drag handling, also for drops that land elsewhere on the window.
    void enterDrag(QDragEnterEvent* event);
    void leaveDrag();
    void takeDrop(QDropEvent* event);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override { enterDrag(event); }
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override { takeDrop(event); }

private:
    void setHovering(bool hovering, bool acceptable = true);

    crestmap::StyleSelectors* m_styles = nullptr;
    WriteController* m_writer = nullptr;
    QLabel* m_label;
    bool m_includeSubfolders = false;
};
