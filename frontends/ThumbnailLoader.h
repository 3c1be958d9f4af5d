#pragma once

#include <QCache>
#include <QFuture>
#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <functional>
#include <optional>

/// Decodes an image at most `box` large (in device-independent pixels at `ratio`), keeping its
/// colours whatever its format; a null image when it is not a readable image.
[[nodiscard]] QImage decodePreview(const QString& path, QSize box, qreal ratio);

/// Decodes previews of image files in a thread pool, the small ones the list shows and the large
/// ones of its tooltips, and keeps them within a fixed memory budget: nothing is decoded on the
/// window's thread.
class ThumbnailLoader : public QObject {
    Q_OBJECT

public:
    explicit ThumbnailLoader(QSize box, QObject* parent = nullptr);
    ~ThumbnailLoader() override;

    /// The preview of `path` on light squares in a box of one size, or a placeholder when it is
    /// not a readable image; nothing while it is still being decoded, which this starts, once.
    [[nodiscard]] std::optional<QPixmap> thumbnail(const QString& path);
    /// A tooltip's picture of `path` and its size in pixels and bytes, as rich text; nothing
    /// while it is made, which this starts.
    [[nodiscard]] std::optional<QString> tooltip(const QString& path);

    /// Abandons queued decoding of every path not in `wanted`, such as rows scrolled away.
    void keepOnly(const QSet<QString>& wanted);
    /// Forgets every preview and abandons all queued work.
    void clear();

    [[nodiscard]] QSize box() const noexcept { return m_box; }
    /// Nothing, in the box's size: what stands for a preview still being decoded.
    [[nodiscard]] const QPixmap& blank() const noexcept { return m_blank; }

    /// The memory the cached previews may take.
    static constexpr int budgetKiB = 12 * 1024;

signals:
    /// A preview has been decoded; whoever shows `path` should paint it again.
    void ready(const QString& path);

private:
    void queue(const QString& key, std::function<QVariant()> work);

    QSize m_box;
    qreal m_ratio = 1.0;
    QPixmap m_placeholder;
    QPixmap m_blank;
    QThreadPool m_pool;
    QCache<QString, QVariant> m_cache;           ///< by kind and path: a pixmap or a tooltip's text
    QHash<QString, QFuture<QVariant>> m_pending; ///< by the same keys
};
