#include "FolderDragView.h"

#include "ConfigWriteAction.h"
#include "Prompts.h"
#include "ResultAlert.h"
#include "StyleSelectors.h"

#include <QDragEnterEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

FolderDragView::FolderDragView(QWidget* parent)
    : QFrame(parent), m_label(new QLabel(tr("Drop a folder of images here"), this))
{
    setAcceptDrops(true);
    setObjectName(QStringLiteral("folderDragView"));
    setMinimumHeight(96);
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

void FolderDragView::attach(crestmap::StyleSelectors& styles, Prompts& prompts)
{
    m_styles = &styles;
    m_prompts = &prompts;
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

WriteReport FolderDragView::writeFolder(const QUrl& folder)
{
    const crestmap::StylePair style = m_styles->stylePair();
    const auto path = localPathOf(folder);
    if (!path) {
        return WriteReport::failed(tr("%1 is not a local folder").arg(folder.toDisplayString()));
    }
    return writeFolderConfigs(*path, style, m_includeSubfolders);
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
    if (!folder || m_styles == nullptr || m_prompts == nullptr) {
        event->ignore();
        return;
    }
    const auto report = std::make_shared<const WriteReport>(writeFolder(*folder));
    event->setDropAction(Qt::CopyAction);
    event->setAccepted(report->written);
    emit reported(report);
    // The alert waits for the drag to finish, so the program the folder came from is not held
    // up while the user reads it.
    QTimer::singleShot(0, this,
                       [this, alert = ResultAlert::forDrop(report->written, report->details())] {
                           m_prompts->showResultAlert(window(), alert);
                       });
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
