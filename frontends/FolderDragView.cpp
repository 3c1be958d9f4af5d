#include "FolderDragView.h"

#include <QDragEnterEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QStyle>
#include <QVBoxLayout>

FolderDragView::FolderDragView(QWidget* parent) : QFrame(parent), m_label(new QLabel(this))
{
    setAcceptDrops(true);
    setObjectName(QStringLiteral("folderDragView"));
    // Folders are taken anywhere on the window: a strip of three lines is room enough, and a
    // short screen keeps its rows for the list.
    setMinimumHeight(fontMetrics().lineSpacing() * 3);
    // Palette roles keep the frame right in light and dark themes alike.
    setStyleSheet(
        QStringLiteral("FolderDragView { border: 2px dashed palette(mid); border-radius: 8px; }"
                       "FolderDragView[hovering=\"true\"] { border-color: palette(highlight);"
                       " background: palette(alternate-base); }"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    setHovering(false);
}

std::optional<QUrl> FolderDragView::droppedFolder(const QList<QUrl>& urls)
{
    if (urls.size() != 1) {
        return std::nullopt;
    }
    const QUrl& url = urls.front();
    // Dropped folders arrive without a trailing slash here, so a local folder counts too.
    const bool directoryForm = url.path().endsWith(QLatin1Char('/')) ||
                               (url.isLocalFile() && QFileInfo(url.toLocalFile()).isDir());
    return directoryForm ? std::optional<QUrl>(url) : std::nullopt;
}

void FolderDragView::dragEnterEvent(QDragEnterEvent* event)
{
    if (!event->mimeData()->hasUrls()) {
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    setHovering(true, droppedFolder(event->mimeData()->urls()).has_value());
}

void FolderDragView::dragMoveEvent(QDragMoveEvent* event)
{
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void FolderDragView::dragLeaveEvent(QDragLeaveEvent* event)
{
    setHovering(false);
    QFrame::dragLeaveEvent(event);
}

void FolderDragView::dropEvent(QDropEvent* event)
{
    setHovering(false);
    const auto folder = droppedFolder(event->mimeData()->urls());
    // The write runs on after the drop returns, so the program the folder came from is not held
    // up; the alert follows its end.
    if (!folder || !m_take || !m_take(*folder)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

bool FolderDragView::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
        dragEnterEvent(static_cast<QDragEnterEvent*>(event));
        return true;
    case QEvent::DragMove:
        static_cast<QDragMoveEvent*>(event)->acceptProposedAction();
        return true;
    case QEvent::DragLeave:
        dragLeaveEvent(static_cast<QDragLeaveEvent*>(event));
        return true;
    case QEvent::Drop:
        dropEvent(static_cast<QDropEvent*>(event));
        return true;
    default:
        return QFrame::eventFilter(watched, event);
    }
}

void FolderDragView::setHovering(bool hovering, bool acceptable)
{
    setProperty("hovering", hovering);
    m_label->setText(!hovering    ? tr("Drop a folder of images here")
                     : acceptable ? tr("Release to write config.xml in this folder")
                                  : tr("Only one folder can be dropped here"));
    style()->unpolish(this);
    style()->polish(this);
}
