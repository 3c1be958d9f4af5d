#include "ThumbnailLoader.h"

#include "InputFile.h"
#include "PathText.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <QPainter>
#include <QStyle>
#include <QtConcurrent/QtConcurrentRun>

namespace {

constexpr int tooltipSize = 256;

// The image on light squares, at its own size, so white and transparent parts still show.
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

// A transparent image of `box` in device-independent pixels, to draw a preview's box on.
QImage emptyBox(QSize box, qreal ratio)
{
    QImage image(box * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

// One box size for all previews, so that rows line up whatever an image's shape.
QImage framed(const QImage& image, QSize box, qreal ratio)
{
    QImage framed = emptyBox(box, ratio);
    QPainter painter(&framed);
    const QSize size = image.deviceIndependentSize().toSize();
    const QRect place(QPoint((box.width() - size.width()) / 2, (box.height() - size.height()) / 2),
                      size);
    painter.drawImage(place, onCheckerboard(image));
    painter.setPen(QColor(0x99, 0x99, 0x99));
    painter.drawRect(place.adjusted(0, 0, -1, -1));
    return framed;
}

// The image at its own size, or scaled to fit, with its size in pixels and bytes.
QString tooltipHtml(const QString& path, qreal ratio)
{
    const QImage image = decodePreview(path, QSize(tooltipSize, tooltipSize), ratio);
    const QString bytes = QLocale().formattedDataSize(QFileInfo(path).size());
    if (image.isNull()) {
        return QStringLiteral("<p style='margin:0'>%1</p>").arg(bytes);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    onCheckerboard(image).save(&buffer, "PNG");
    const QSize shown = image.deviceIndependentSize().toSize();
    const QSize pixels = QImageReader(path).size();
    return QStringLiteral("<img src='data:image/png;base64,%1' width='%2' height='%3'>"
                          "<p style='margin:0'>%4</p>")
        .arg(QString::fromLatin1(png.toBase64()))
        .arg(shown.width())
        .arg(shown.height())
        //: An image's width and height, then its size in bytes, as “2.4 KB”
        .arg(QCoreApplication::translate("ThumbnailLoader", "%L1 × %L2 pixels, %3")
                 .arg(pixels.width())
                 .arg(pixels.height())
                 .arg(bytes));
}

} // namespace

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
    QImage placeholder = emptyBox(box, m_ratio);
    m_blank = QPixmap::fromImage(placeholder);
    {
        // Drawn in device-independent pixels, so that it stands in the same place at any scale.
        QPainter painter(&placeholder);
        const QPixmap icon =
            QApplication::style()->standardIcon(QStyle::SP_FileIcon).pixmap(box / 2, m_ratio);
        painter.drawPixmap(QRect(QPoint(box.width() / 4, box.height() / 4), box / 2), icon);
    }
    m_placeholder = QPixmap::fromImage(placeholder);
}

ThumbnailLoader::~ThumbnailLoader()
{
    clear();
    m_pool.waitForDone();
}

std::optional<QPixmap> ThumbnailLoader::thumbnail(const QString& path)
{
    const QString key = QStringLiteral("t") + path;
    if (const QVariant* cached = m_cache.object(key)) {
        const QPixmap pixmap = cached->value<QPixmap>();
        return pixmap.isNull() ? m_placeholder : pixmap;
    }
    queue(key, [path, box = m_box, ratio = m_ratio] {
        const QImage image = decodePreview(path, box, ratio);
        // A null image stands for "not a readable image", so that it is not tried again.
        return QVariant::fromValue(image.isNull() ? QImage() : framed(image, box, ratio));
    });
    return std::nullopt;
}

std::optional<QString> ThumbnailLoader::tooltip(const QString& path)
{
    const QString key = QStringLiteral("p") + path;
    if (const QVariant* cached = m_cache.object(key)) {
        return cached->toString();
    }
    queue(key, [path, ratio = m_ratio] { return QVariant(tooltipHtml(path, ratio)); });
    return std::nullopt;
}

void ThumbnailLoader::queue(const QString& key, std::function<QVariant()> work)
{
    if (m_pending.contains(key)) {
        return;
    }
    QFuture<QVariant> task = QtConcurrent::run(&m_pool, std::move(work));
    m_pending.insert(key, task);
    // The pool is this object's and is waited for when it goes, so `this` outlives the task.
    task.then(this, [this, key](QVariant result) {
        if (!m_pending.remove(key)) {
            return;
        }
        qsizetype cost = result.toString().size() / 512;
        // Pixmaps are made on the window's thread, where they belong.
        if (key.startsWith(QLatin1Char('t'))) {
            const QPixmap pixmap = QPixmap::fromImage(result.value<QImage>());
            cost = qsizetype(pixmap.width()) * pixmap.height() * pixmap.depth() / 8 / 1024;
            result = QVariant::fromValue(pixmap);
        }
        m_cache.insert(key, new QVariant(std::move(result)),
                       static_cast<int>(std::max<qsizetype>(1, cost)));
        emit ready(key.mid(1));
    });
}

void ThumbnailLoader::keepOnly(const QSet<QString>& wanted)
{
    m_pending.removeIf([&wanted](const auto& pending) {
        const bool unwanted = !wanted.contains(pending.key().mid(1));
        // One not begun never runs; one under way is not heard of.
        if (unwanted) {
            pending.value().cancel();
        }
        return unwanted;
    });
}

void ThumbnailLoader::clear()
{
    keepOnly({});
    m_cache.clear();
}
