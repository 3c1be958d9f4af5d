#include "ResultsModel.h"

#include "AccountWords.h"
#include "FileNames.h"
#include "PathText.h"
#include "ThumbnailLoader.h"
#include "XmlRecordBuilder.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <QSet>
#include <QStyle>
#include <QUrl>
#include <algorithm>

namespace {

constexpr int thumbnailSize = 40;
constexpr int tooltipSize = 256;

QString decoded(std::string_view bytes)
{
    return shownPath(bytes);
}

bool isFolderRow(const ResultRow& row)
{
    return row.folder();
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool containsFolded(std::string_view text, std::string_view lowerPart)
{
    return std::search(text.begin(), text.end(), lowerPart.begin(), lowerPart.end(),
                       [](char a, char b) { return lower(a) == b; }) != text.end();
}

} // namespace

ResultsModel::ResultsModel(QObject* parent)
    : QAbstractTableModel(parent),
      m_thumbnails(new ThumbnailLoader(QSize(thumbnailSize, thumbnailSize), this))
{
    connect(m_thumbnails, &ThumbnailLoader::ready, this, [this] {
        // Only rows in view ask for previews, so only they can have changed.
        if (m_lastInView >= m_firstInView) {
            emit dataChanged(index(m_firstInView, FileColumn), index(m_lastInView, FileColumn),
                             {Qt::DecorationRole});
        }
    });
}

void ResultsModel::show(SharedReport report)
{
    beginResetModel();
    m_thumbnails->clear();
    m_report = std::move(report);
    m_extra.clear();
    m_firstInView = 0;
    m_lastInView = -1;
    // A new write is shown in its own order, problems first, whatever the last one was sorted by.
    m_sortColumn = -1;
    order();
    refilter();
    endResetModel();
}

void ResultsModel::addProblems(std::vector<ResultRow> rows)
{
    if (rows.empty()) {
        return;
    }
    beginResetModel();
    std::move(rows.begin(), rows.end(), std::back_inserter(m_extra));
    order();
    refilter();
    endResetModel();
}

const ResultRow& ResultsModel::rowOf(std::uint32_t ref) const
{
    return (ref & extraBit) != 0 ? m_extra[ref & ~extraBit] : m_report->rows[ref];
}

void ResultsModel::order()
{
    m_order.clear();
    m_order.reserve(m_extra.size() + m_report->rows.size());
    // The write's own order, with what was found later among the problems.
    for (std::uint32_t i = 0; i < m_report->problems; ++i) {
        m_order.push_back(i);
    }
    for (std::uint32_t i = 0; i < m_extra.size(); ++i) {
        m_order.push_back(i | extraBit);
    }
    for (auto i = static_cast<std::uint32_t>(m_report->problems); i < m_report->rows.size(); ++i) {
        m_order.push_back(i);
    }
    if (m_sortColumn < 0) {
        return;
    }
    const auto key = [this](std::uint32_t ref) {
        const ResultRow& row = rowOf(ref);
        switch (m_sortColumn) {
        case FileColumn:
            return std::pair<int, std::string_view>(0, isFolderRow(row)
                                                           ? std::string_view(row.path)
                                                           : crestmap::lastPathComponent(row.path));
        case FolderColumn:
            return std::pair<int, std::string_view>(0, folderOf(row));
        default:
            return std::pair<int, std::string_view>(static_cast<int>(row.kind), row.text);
        }
    };
    const bool ascending = m_sortOrder == Qt::AscendingOrder;
    std::stable_sort(m_order.begin(), m_order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return ascending ? key(a) < key(b) : key(b) < key(a);
    });
}

void ResultsModel::refilter()
{
    m_visible.clear();
    for (const std::uint32_t ref : m_order) {
        const ResultRow& row = rowOf(ref);
        if ((m_problemsOnly && !row.problem()) ||
            (!m_filter.empty() && !containsFolded(row.path, m_filter))) {
            continue;
        }
        m_visible.push_back(ref);
    }
}

void ResultsModel::sort(int column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged();
    m_sortColumn = column;
    m_sortOrder = order;
    this->order();
    refilter();
    emit layoutChanged();
}

void ResultsModel::setProblemsOnly(bool only)
{
    if (only == m_problemsOnly) {
        return;
    }
    beginResetModel();
    m_problemsOnly = only;
    refilter();
    endResetModel();
}

void ResultsModel::setFilter(const QString& text)
{
    std::string folded = coreBytes(QDir::fromNativeSeparators(text));
    std::transform(folded.begin(), folded.end(), folded.begin(), lower);
    if (folded == m_filter) {
        return;
    }
    beginResetModel();
    m_filter = std::move(folded);
    refilter();
    endResetModel();
}

int ResultsModel::problemCount() const noexcept
{
    return static_cast<int>(m_report->problems + m_extra.size());
}

void ResultsModel::setRowsInView(int first, int last)
{
    m_firstInView = std::max(0, first);
    m_lastInView = std::min(last, rowCount() - 1);
    QSet<QString> wanted;
    for (int row = m_firstInView; row <= m_lastInView; ++row) {
        const ResultRow& r = rowOf(m_visible[static_cast<std::size_t>(row)]);
        if (!isFolderRow(r)) {
            wanted.insert(qtPath(fullPath(r)));
        }
    }
    m_thumbnails->keepOnly(wanted);
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_visible.size());
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

QString ResultsModel::tooltip(const ResultRow& row) const
{
    const QString path = qtPath(fullPath(row));
    if (isFolderRow(row)) {
        return QDir::toNativeSeparators(path).toHtmlEscaped();
    }
    QImageReader reader(path);
    const QSize size = reader.size();
    QString text = QStringLiteral("<p style='white-space:pre'>%1</p>")
                       .arg(QDir::toNativeSeparators(path).toHtmlEscaped());
    if (size.isValid()) {
        const QSize shown = size.boundedTo(QSize(tooltipSize, tooltipSize)) == size
                                ? size
                                : size.scaled(tooltipSize, tooltipSize, Qt::KeepAspectRatio);
        text += QStringLiteral("<img src='%1' width='%2' height='%3'><br>")
                    .arg(QUrl::fromLocalFile(path).toString().toHtmlEscaped())
                    .arg(shown.width())
                    .arg(shown.height());
        text += tr("%1 × %2 pixels, ").arg(size.width()).arg(size.height());
    }
    return text + QLocale().formattedDataSize(QFileInfo(path).size());
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const ResultRow& row = rowOf(m_visible[static_cast<std::size_t>(index.row())]);
    const int column = index.column();
    const bool folderRow = isFolderRow(row);
    switch (role) {
    case Qt::DisplayRole:
        if (column == FileColumn) {
            return decoded(folderRow ? std::string_view(row.path)
                                     : crestmap::lastPathComponent(row.path));
        }
        if (column == FolderColumn) {
            const std::string_view folder = folderOf(row);
            const auto count = m_report->folderImages.find(std::string(folder));
            return count == m_report->folderImages.end() || folderRow
                       ? decoded(folder)
                       : QStringLiteral("%1 (%2)").arg(
                             decoded(folder), counted(static_cast<std::size_t>(count->second),
                                                      "%1 image", "%1 images"));
        }
        if (row.kind == ResultRow::Kind::PassedOver || row.kind == ResultRow::Kind::NoRecord) {
            return QString::fromUtf8(crestmap::describeSkipReason(row.reason));
        }
        if (row.kind == ResultRow::Kind::Clash) {
            return decoded(crestmap::describeProblem(
                {crestmap::ProblemAccount::Kind::Clash, {}, {}, {}, row.text}));
        }
        return row.kind == ResultRow::Kind::Mapped ? QString::fromStdString(row.text)
                                                   : decoded(row.text);
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
            if (const auto thumbnail = m_thumbnails->thumbnail(qtPath(fullPath(row)))) {
                return *thumbnail;
            }
        }
        return {};
    case Qt::ToolTipRole:
        return column == FileColumn ? tooltip(row) : QVariant();
    case ProblemRole:
        return row.problem();
    case PathRole:
        return shownPath(fullPath(row));
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
