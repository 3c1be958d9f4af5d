#include "ResultsModel.h"

#include "AccountWords.h"
#include "FileNames.h"
#include "InputFile.h"
#include "NaturalOrder.h"
#include "PathText.h"
#include "ThumbnailLoader.h"
#include "XmlRecordBuilder.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <QSet>
#include <QStyle>
#include <algorithm>
#include <functional>
#include <numeric>

namespace {

constexpr int thumbnailSize = 40;
constexpr int tooltipSize = 256;
/// Characters after which a tooltip line may wrap where nothing else lets it.
constexpr int tooltipRun = 48;

bool isFolderRow(const ResultRow& row)
{
    return row.folder();
}

bool skipped(const ResultRow& row)
{
    return row.kind == ResultRow::Kind::PassedOver || row.kind == ResultRow::Kind::NoRecord;
}

bool containsFolded(std::string_view text, std::string_view lowerPart)
{
    return std::search(text.begin(), text.end(), lowerPart.begin(), lowerPart.end(),
                       [](char a, char b) { return foldCase(a) == b; }) != text.end();
}

// What the picture column says: the picture, or what is wrong.
std::string_view pictureText(const ResultRow& row)
{
    return skipped(row) ? crestmap::describeSkipReason(row.reason) : std::string_view(row.text);
}

// Text for one line of a cell: control characters, which would break the row into lines or
// vanish, are shown as their visible symbols; C1 ones as the replacement character.
QString readable(QString text)
{
    for (QChar& c : text) {
        const char16_t code = c.unicode();
        if (code < 0x20) {
            c = QChar(char16_t(0x2400 + code));
        } else if (code == 0x7f) {
            c = QChar(char16_t(0x2421));
        } else if (code >= 0x80 && code < 0xa0) {
            c = QChar(QChar::ReplacementCharacter);
        }
    }
    return text;
}

QString readable(std::string_view bytes)
{
    return readable(shownPath(bytes));
}

// Rich text for a tooltip line that may wrap at separators, or within a very long name, rather
// than run off the screen.
QString wrappable(const QString& text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    int run = 0;
    for (const QChar c : text.toHtmlEscaped()) {
        out += c;
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(' ')) {
            run = 0;
        } else if (++run == tooltipRun) {
            out += QChar(0x200b);
            run = 0;
        }
        if (c == QLatin1Char('/') || c == QLatin1Char('\\')) {
            out += QChar(0x200b);
        }
    }
    return out;
}

QString paragraph(const QString& text)
{
    return QStringLiteral("<p style='margin:0'>%1</p>").arg(wrappable(readable(text)));
}

// The image at its own size, or scaled to fit the tooltip, on light squares.
QString previewHtml(const QString& path)
{
    const qreal ratio = qApp->devicePixelRatio();
    const QImage image = decodePreview(path, QSize(tooltipSize, tooltipSize), ratio);
    if (image.isNull()) {
        return {};
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    onCheckerboard(image).save(&buffer, "PNG");
    const QSize shown = image.deviceIndependentSize().toSize();
    return QStringLiteral("<img src='data:image/png;base64,%1' width='%2' height='%3'>")
        .arg(QString::fromLatin1(png.toBase64()))
        .arg(shown.width())
        .arg(shown.height());
}

} // namespace

ResultsModel::ResultsModel(QObject* parent)
    : QAbstractTableModel(parent),
      m_thumbnails(new ThumbnailLoader(QSize(thumbnailSize, thumbnailSize), this))
{
    connect(m_thumbnails, &ThumbnailLoader::ready, this, [this] {
        // Only rows in view ask for previews, so only they can have changed.
        const int last = std::min(m_lastInView, rowCount() - 1);
        if (last >= m_firstInView) {
            emit dataChanged(index(m_firstInView, FileColumn), index(last, FileColumn),
                             {Qt::DecorationRole});
        }
    });
}

void ResultsModel::show(SharedReport report)
{
    beginResetModel();
    m_thumbnails->clear();
    m_report = std::move(report);
    m_firstInView = 0;
    m_lastInView = -1;
    // A new write is shown in its own order, problems first, whatever the last one was sorted by.
    m_sortColumn = -1;
    order();
    refilter();
    endResetModel();
}

const ResultRow& ResultsModel::rowOf(std::uint32_t ref) const
{
    return m_report->rows[ref];
}

std::size_t ResultsModel::slotOf(std::uint32_t ref) const
{
    return ref;
}

std::string_view ResultsModel::sortText(const ResultRow& row) const
{
    switch (m_sortColumn) {
    case FileColumn:
        return nameOf(row);
    case FolderColumn:
        return folderOf(row);
    default:
        return pictureText(row);
    }
}

bool ResultsModel::before(std::uint32_t a, std::uint32_t b) const
{
    const ResultRow& x = rowOf(a);
    const ResultRow& y = rowOf(b);
    if (x.problem() != y.problem()) {
        return x.problem();
    }
    const int c = m_sortColumn == PictureColumn && x.kind != y.kind
                      ? (x.kind < y.kind ? -1 : 1)
                      : naturalCompare(sortText(x), sortText(y));
    return m_sortOrder == Qt::AscendingOrder ? c < 0 : c > 0;
}

void ResultsModel::order()
{
    m_order.clear();
    m_order.reserve(m_report->rows.size());
    // The write's own order, problems first.
    for (std::uint32_t i = 0; i < m_report->rows.size(); ++i) {
        m_order.push_back(i);
    }
    if (m_sortColumn < 0) {
        return;
    }
    // Rows are placed by six bytes made once for each: problems first, the kind of problem when
    // sorting by picture, then the start of the natural key of what follows the part all the
    // texts share. Comparing texts number by number is several times slower than comparing
    // numbers, and a sort compares each row some twenty times: only rows alike in those bytes
    // are compared in full. Ties keep the write's order. Six bytes, kept as four and two, are
    // enough for the numbers packs are named by, and a long list's sort needs no more memory
    // than a copy of its order.
    if (m_order.empty()) {
        return;
    }
    std::string_view shared = sortText(rowOf(m_order.front()));
    for (const std::uint32_t ref : m_order) {
        shared = shared.substr(0, sharedStart(shared, sortText(rowOf(ref))));
    }
    constexpr unsigned char mapped = 0x80;
    const std::size_t rows = m_report->rows.size();
    std::vector<std::uint32_t> high;
    std::vector<std::uint16_t> low;
    high.reserve(rows);
    low.reserve(rows);
    const auto addKey = [&](const ResultRow& row) {
        const auto rank = static_cast<unsigned char>(
            (row.problem() ? 0 : mapped) |
            (m_sortColumn == PictureColumn ? static_cast<unsigned char>(row.kind) : 0));
        const std::uint64_t key = naturalKey(rank, sortText(row).substr(shared.size()));
        high.push_back(static_cast<std::uint32_t>(key >> 32));
        low.push_back(static_cast<std::uint16_t>(key >> 16));
    };
    for (const ResultRow& row : m_report->rows) {
        addKey(row);
    }
    const auto keyOf = [&](std::uint32_t ref) {
        const std::size_t slot = slotOf(ref);
        return std::uint64_t{high[slot]} << 16 | low[slot];
    };
    const bool ascending = m_sortOrder == Qt::AscendingOrder;
    std::sort(m_order.begin(), m_order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const std::uint64_t x = keyOf(a);
        const std::uint64_t y = keyOf(b);
        if (((x ^ y) >> 47) != 0) {
            return x < y; // problems first, either way
        }
        if (x != y) {
            return ascending == (x < y);
        }
        if (const int c = naturalCompare(sortText(rowOf(a)), sortText(rowOf(b))); c != 0) {
            return ascending == (c < 0);
        }
        return slotOf(a) < slotOf(b);
    });
}

bool ResultsModel::shown(const ResultRow& row) const
{
    return (!m_problemsOnly || row.problem()) &&
           (m_filter.empty() || containsFolded(row.path, m_filter));
}

bool ResultsModel::filtering() const noexcept
{
    return m_problemsOnly || !m_filter.empty();
}

const std::vector<std::uint32_t>& ResultsModel::visible() const noexcept
{
    return filtering() ? m_visible : m_order;
}

std::vector<std::uint32_t> ResultsModel::filter(const std::vector<std::uint32_t>& order) const
{
    std::vector<std::uint32_t> kept;
    for (const std::uint32_t ref : order) {
        if (shown(rowOf(ref))) {
            kept.push_back(ref);
        }
    }
    return kept;
}

void ResultsModel::refilter()
{
    // Without a filter the order is what is shown, and no copy of it is kept.
    m_visible = filtering() ? filter(m_order) : std::vector<std::uint32_t>();
}

void ResultsModel::relayout(const std::function<void()>& change)
{
    // Only rows move or go; the columns stay, which lets views and selections keep what they
    // know of them.
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList from = persistentIndexList();
    std::vector<std::uint32_t> held;
    held.reserve(static_cast<std::size_t>(from.size()));
    for (const QModelIndex& index : from) {
        held.push_back(visible()[static_cast<std::size_t>(index.row())]);
    }
    // Given back before the change makes its own: a long list's sort needs the room.
    m_visible = {};
    change();
    if (!from.isEmpty()) {
        std::vector<int> rowNow(m_report->rows.size(), -1);
        for (std::size_t row = 0; row < visible().size(); ++row) {
            rowNow[slotOf(visible()[row])] = static_cast<int>(row);
        }
        QModelIndexList to;
        to.reserve(from.size());
        for (qsizetype i = 0; i < from.size(); ++i) {
            const int row = rowNow[slotOf(held[static_cast<std::size_t>(i)])];
            to << (row < 0 ? QModelIndex() : createIndex(row, from[i].column()));
        }
        changePersistentIndexList(from, to);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ResultsModel::sort(int column, Qt::SortOrder order)
{
    if (column == m_sortColumn && (column < 0 || order == m_sortOrder)) {
        return;
    }
    relayout([&] {
        m_sortColumn = column;
        m_sortOrder = order;
        this->order();
        refilter();
    });
}

void ResultsModel::setProblemsOnly(bool only)
{
    if (only == m_problemsOnly) {
        return;
    }
    relayout([&] {
        m_problemsOnly = only;
        refilter();
    });
}

void ResultsModel::setFilter(const QString& text)
{
    std::string folded = coreBytes(QDir::fromNativeSeparators(text));
    std::transform(folded.begin(), folded.end(), folded.begin(), foldCase);
    if (folded == m_filter) {
        return;
    }
    relayout([&] {
        m_filter = std::move(folded);
        refilter();
    });
}

int ResultsModel::problemCount() const noexcept
{
    return static_cast<int>(m_report->problems);
}

void ResultsModel::setRowsInView(int first, int last)
{
    m_firstInView = std::max(0, first);
    m_lastInView = std::min(last, rowCount() - 1);
    QSet<QString> wanted;
    for (int row = m_firstInView; row <= m_lastInView; ++row) {
        const ResultRow& r = rowOf(visible()[static_cast<std::size_t>(row)]);
        if (!isFolderRow(r)) {
            wanted.insert(qtPath(fullPath(r)));
        }
    }
    m_thumbnails->keepOnly(wanted);
}

std::size_t ResultsModel::shownLength(const ResultRow& row, int column) const
{
    switch (column) {
    case FileColumn:
        return nameOf(row).size();
    case FolderColumn:
        // Room for the count of images beside it.
        return (folderOf(row) == "." ? m_report->base.size() : folderOf(row).size()) +
               (isFolderRow(row) ? 0 : 12);
    default:
        return pictureText(row).size();
    }
}

std::vector<int> ResultsModel::widthSample(int column, std::size_t count) const
{
    const std::vector<std::uint32_t>& shownRows = visible();
    const std::size_t rows = shownRows.size();
    if (rows <= count) {
        std::vector<int> all(rows);
        std::iota(all.begin(), all.end(), 0);
        return all;
    }
    // The longest texts by a heap of the few seen so far, then every so many rows.
    using Entry = std::pair<std::size_t, int>;
    std::vector<Entry> longest;
    const std::size_t keep = count / 2;
    for (std::size_t row = 0; row < rows; ++row) {
        const Entry entry{shownLength(rowOf(shownRows[row]), column), static_cast<int>(row)};
        if (longest.size() < keep) {
            longest.push_back(entry);
            std::push_heap(longest.begin(), longest.end(), std::greater<>());
        } else if (entry.first > longest.front().first) {
            std::pop_heap(longest.begin(), longest.end(), std::greater<>());
            longest.back() = entry;
            std::push_heap(longest.begin(), longest.end(), std::greater<>());
        }
    }
    std::vector<int> sample;
    for (const Entry& entry : longest) {
        sample.push_back(entry.second);
    }
    const std::size_t spread = count - keep;
    for (std::size_t i = 0; i < spread; ++i) {
        sample.push_back(static_cast<int>(i * (rows - 1) / std::max<std::size_t>(1, spread - 1)));
    }
    return sample;
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(visible().size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

std::string ResultsModel::fullPath(const ResultRow& row) const
{
    return m_report->base.empty() || isFolderRow(row)
               ? row.path
               : crestmap::joinPath(m_report->base, row.path);
}

std::string_view ResultsModel::folderOf(const ResultRow& row) const
{
    if (isFolderRow(row)) {
        const std::string_view base = m_report->base;
        return row.path.size() > base.size() ? std::string_view(row.path).substr(base.size() + 1)
                                             : std::string_view(".");
    }
    return m_report->base.empty() ? std::string_view(".") : folderPart(row.path);
}

std::string_view ResultsModel::nameOf(const ResultRow& row) const
{
    return crestmap::lastPathComponent(row.path);
}

QString ResultsModel::shownText(const ResultRow& row)
{
    if (row.kind == ResultRow::Kind::Mapped) {
        return QString::fromStdString(row.text);
    }
    if (row.kind == ResultRow::Kind::Clash) {
        return shownPath(crestmap::describeProblem(
            {crestmap::ProblemAccount::Kind::Clash, {}, {}, {}, row.text}));
    }
    return skipped(row) ? QString::fromUtf8(pictureText(row)) : shownPath(row.text);
}

QString ResultsModel::tooltip(const ResultRow& row, int column) const
{
    const QString path = qtPath(fullPath(row));
    if (column == FolderColumn) {
        return paragraph(
            QDir::toNativeSeparators(isFolderRow(row) ? path : QFileInfo(path).path()));
    }
    if (column == PictureColumn) {
        return paragraph(shownText(row));
    }
    QString html;
    QString about;
    if (!isFolderRow(row)) {
        const QSize size =
            crestmap::isRegularFile(coreBytes(path)) ? QImageReader(path).size() : QSize();
        if (size.isValid()) {
            html += previewHtml(path);
            about = tr("%1 × %2 pixels, ").arg(size.width()).arg(size.height());
        }
        about += QLocale().formattedDataSize(QFileInfo(path).size());
    }
    html += paragraph(QDir::toNativeSeparators(path));
    if (!about.isEmpty()) {
        html += paragraph(about);
    }
    return html + paragraph(shownText(row));
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const ResultRow& row = rowOf(visible()[static_cast<std::size_t>(index.row())]);
    const int column = index.column();
    const bool folderRow = isFolderRow(row);
    switch (role) {
    case Qt::DisplayRole:
        if (column == FileColumn) {
            return readable(nameOf(row));
        }
        if (column == FolderColumn) {
            const std::string_view folder = folderOf(row);
            // The top folder by its own name, as the others are.
            const QString name =
                readable(folder == "." ? crestmap::lastPathComponent(m_report->base) : folder);
            const auto count = m_report->folderImages.find(std::string(folder));
            return count == m_report->folderImages.end() || folderRow
                       ? name
                       : QStringLiteral("%1 (%2)").arg(
                             name, counted(count->second, "%1 image", "%1 images"));
        }
        return readable(shownText(row));
    case Qt::DecorationRole:
        if (folderRow) {
            if (column == FolderColumn) {
                return {};
            }
            if (column == FileColumn) {
                return QApplication::style()->standardIcon(QStyle::SP_DirIcon);
            }
            if (row.kind == ResultRow::Kind::CurrentFolder) {
                return {};
            }
            return QApplication::style()
                ->standardIcon(row.kind == ResultRow::Kind::FailedFolder
                                   ? QStyle::SP_MessageBoxCritical
                               : row.kind == ResultRow::Kind::OutdatedFolder
                                   ? QStyle::SP_MessageBoxWarning
                                   : QStyle::SP_MessageBoxInformation)
                .pixmap(m_thumbnails->box() / 2);
        }
        if (column == PictureColumn) {
            // A mark beside the reason, not a picture: smaller than the previews.
            return row.problem() ? QApplication::style()
                                       ->standardIcon(QStyle::SP_MessageBoxWarning)
                                       .pixmap(m_thumbnails->box() / 2)
                                 : QVariant();
        }
        if (column == FileColumn) {
            // Room for the preview while it is decoded, so the row never changes its width.
            return m_thumbnails->thumbnail(qtPath(fullPath(row))).value_or(m_thumbnails->blank());
        }
        return {};
    case Qt::ToolTipRole:
        return tooltip(row, column);
    case ProblemRole:
        return row.problem();
    case PathRole:
        return shownPath(fullPath(row));
    case BytesRole: {
        const std::string path = fullPath(row);
        return QByteArray(path.data(), static_cast<qsizetype>(path.size()));
    }
    case RecordRole:
        if (const auto line = m_report->recordOf(row)) {
            return QString::fromStdString(*line);
        }
        return {};
    default:
        return {};
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case FileColumn:
        return tr("Image");
    case PictureColumn:
        return tr("Picture it maps to");
    default:
        return tr("Folder");
    }
}
