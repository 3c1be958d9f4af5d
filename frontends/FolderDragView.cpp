#include "FolderDragView.h"

#include "StyleSelectors.h"
#include "WriteController.h"

#include <QDragEnterEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QStyle>
#include <QVBoxLayout>

FolderDragView::FolderDragView(QWidget* parent)
    : QFrame(parent), m_label(new QLabel(tr("Drop a folder of images here"), this))
{
    setAcceptDrops(true);
    setObjectName(QStringLiteral("folderDragView"));
    setMinimumHeight(64);
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

void FolderDragView::attach(crestmap::StyleSelectors& styles, WriteController& writer)
{
    m_styles = &styles;
    m_writer = &writer;
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

WriteRequest FolderDragView::requestFor(const QUrl& folder, WriteRequest::Source source) const
{
    WriteRequest request;
    request.source = source;
    const auto path = localPathOf(folder);
    if (!path) {
        request.failure = tr("%1 is not a local folder").arg(folder.toDisplayString());
        return request;
    }
    request.folder = *path;
    request.pack.style = m_styles->stylePair();
    request.pack.recursive = m_includeSubfolders;
    // A check compares each folder with its own style; the one chosen serves those without.
    if (source == WriteRequest::Source::Check) {
        request.pack.rule = crestmap::StyleRule::Update;
    }
    return request;
}

void FolderDragView::enterDrag(QDragEnterEvent* event)
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

void FolderDragView::leaveDrag()
{
    setHovering(false);
}

void FolderDragView::dragLeaveEvent(QDragLeaveEvent* event)
{
    leaveDrag();
    QFrame::dragLeaveEvent(event);
}

void FolderDragView::takeDrop(QDropEvent* event)
{
    setHovering(false);
    const auto folder = droppedFolder(event->mimeData()->urls());
    if (!folder || m_styles == nullptr || m_writer == nullptr || m_writer->busy()) {
        event->ignore();
        return;
    }
    // The write runs on after the drop returns, so the program the folder came from is not held
    // up; the alert follows its end.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    m_writer->start(requestFor(*folder));
}

void FolderDragView::setHovering(bool hovering, bool acceptable)
{
    setProperty("hovering", hovering);
    if (!hovering) {
        m_label->setText(tr("Drop a folder of images here"));
    } else {
        m_label->setText(acceptable ? tr("Release to write config.xml in this folder")
                                    : tr("Only one folder can be dropped here"));
    }
    style()->unpolish(this);
    style()->polish(this);
}
