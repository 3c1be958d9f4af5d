#include "ThumbnailLoader.h"

#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QStyle>

namespace {

QImage decode(const QString& path, QSize box)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > box.width() || size.height() > box.height())) {
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
    }
    QImage image = reader.read();
    // Formats that cannot decode small still come back whole.
    if (!image.isNull() && (image.width() > box.width() || image.height() > box.height())) {
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}

int costKiB(const QPixmap& pixmap)
{
    return std::max(1, pixmap.width() * pixmap.height() * pixmap.depth() / 8 / 1024);
}

} // namespace

ThumbnailLoader::ThumbnailLoader(QSize box, QObject* parent)
    : QObject(parent), m_box(box), m_cache(budgetKiB)
{
    // Leave a core to the window; decoding is only ever for the rows in view.
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
    m_placeholder = QApplication::style()->standardIcon(QStyle::SP_FileIcon).pixmap(box / 2);
}

ThumbnailLoader::~ThumbnailLoader()
{
    clear();
    m_pool.waitForDone();
}

std::optional<QPixmap> ThumbnailLoader::thumbnail(const QString& path)
{
    if (const QPixmap* cached = m_cache.object(path)) {
        return cached->isNull() ? m_placeholder : *cached;
    }
    if (m_pending.contains(path)) {
        return std::nullopt;
    }
    auto abandoned = std::make_shared<std::atomic_bool>(false);
    m_pending.insert(path, abandoned);
    // The pool is this object's and is waited for when it goes, so `this` outlives the task.
    m_pool.start([this, path, box = m_box, abandoned] {
        if (*abandoned) {
            return;
        }
        const QImage image = decode(path, box);
        QMetaObject::invokeMethod(
            this,
            [this, path, image, abandoned] {
                if (!*abandoned) {
                    deliver(path, image);
                }
            },
            Qt::QueuedConnection);
    });
    return std::nullopt;
}

void ThumbnailLoader::deliver(const QString& path, const QImage& image)
{
    m_pending.remove(path);
    // A null pixmap stands for "not a readable image", so that it is not tried again.
    auto* pixmap = new QPixmap(QPixmap::fromImage(image));
    m_cache.insert(path, pixmap, costKiB(*pixmap));
    emit ready(path);
}

void ThumbnailLoader::keepOnly(const QSet<QString>& wanted)
{
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        if (wanted.contains(it.key())) {
            ++it;
        } else {
            *it.value() = true;
            it = m_pending.erase(it);
        }
    }
}

void ThumbnailLoader::clear()
{
    keepOnly({});
    m_cache.clear();
}
