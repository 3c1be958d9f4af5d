#include "ThumbnailLoader.h"

#include "InputFile.h"
#include "PathText.h"

#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QStyle>

namespace {

// One box size for all previews, so that rows line up whatever an image's shape.
QPixmap framed(const QImage& image, QSize box, qreal ratio)
{
    QPixmap pixmap(box * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QSize size = image.deviceIndependentSize().toSize();
    const QRect place(QPoint((box.width() - size.width()) / 2, (box.height() - size.height()) / 2),
                      size);
    painter.drawImage(place, onCheckerboard(image));
    painter.setPen(QColor(0x99, 0x99, 0x99));
    painter.drawRect(place.adjusted(0, 0, -1, -1));
    return pixmap;
}

int costKiB(const QPixmap& pixmap)
{
    return std::max(1, pixmap.width() * pixmap.height() * pixmap.depth() / 8 / 1024);
}

} // namespace

QImage onCheckerboard(const QImage& image)
{
    QImage out(image.size(), QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(image.devicePixelRatio());
    QPainter painter(&out);
    const QRect place(QPoint(0, 0), image.deviceIndependentSize().toSize());
    constexpr int square = 6;
    for (int y = 0; y <= place.bottom(); y += square) {
        for (int x = 0; x <= place.right(); x += square) {
            const bool dark = (x / square + y / square) % 2 != 0;
            painter.fillRect(QRect(x, y, square, square),
                             dark ? QColor(0xdd, 0xdd, 0xdd) : QColor(0xf7, 0xf7, 0xf7));
        }
    }
    painter.drawImage(place, image);
    return out;
}

QImage decodePreview(const QString& path, QSize box, qreal ratio)
{
    // Reading a named pipe waits for a writer that may never come, and holds the decoder.
    if (!crestmap::isRegularFile(coreBytes(path))) {
        return {};
    }
    const QSize pixels = box * ratio;
    QImageReader reader(path);
    const QSize size = reader.size();
    // Only true-colour images may be scaled while decoding: an indexed or 1-bit one would be
    // scaled in its palette and lose its colours.
    const bool trueColour = reader.imageFormat() == QImage::Format_RGB32 ||
                            reader.imageFormat() == QImage::Format_ARGB32;
    if (trueColour && size.isValid() &&
        (size.width() > pixels.width() || size.height() > pixels.height())) {
        reader.setScaledSize(size.scaled(pixels, Qt::KeepAspectRatio));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return image;
    }
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (image.width() > pixels.width() || image.height() > pixels.height()) {
        image = image.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

ThumbnailLoader::ThumbnailLoader(QSize box, QObject* parent)
    : QObject(parent), m_box(box), m_cache(budgetKiB)
{
    // Leave a core to the window; decoding is only ever for the rows in view.
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
    m_ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
    QImage placeholder(box * m_ratio, QImage::Format_ARGB32_Premultiplied);
    placeholder.fill(Qt::transparent);
    {
        QPainter painter(&placeholder);
        const QPixmap icon =
            QApplication::style()->standardIcon(QStyle::SP_FileIcon).pixmap(box / 2);
        painter.drawPixmap(QRect(QPoint(box.width() / 4, box.height() / 4) * m_ratio,
                                 icon.size() / icon.devicePixelRatio() * m_ratio),
                           icon);
    }
    m_placeholder = QPixmap::fromImage(placeholder);
    m_placeholder.setDevicePixelRatio(m_ratio);
    m_blank = QPixmap(box * m_ratio);
    m_blank.fill(Qt::transparent);
    m_blank.setDevicePixelRatio(m_ratio);
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
    m_pool.start([this, path, box = m_box, ratio = m_ratio, abandoned] {
        if (*abandoned) {
            return;
        }
        const QImage image = decodePreview(path, box, ratio);
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
    auto* pixmap = new QPixmap(image.isNull() ? QPixmap() : framed(image, m_box, m_ratio));
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
