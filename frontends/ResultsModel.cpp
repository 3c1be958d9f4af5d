#include "ResultsModel.h"

#include "FileNames.h"
#include "ThumbnailLoader.h"

#include <QApplication>
#include <QFile>
#include <QSet>
#include <QStyle>

namespace {

constexpr int thumbnailSize = 48;

QString decoded(std::string_view bytes)
{
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
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
    m_firstInView = 0;
    m_lastInView = -1;
    endResetModel();
}

void ResultsModel::setProblemsOnly(bool only)
{
    if (only == m_problemsOnly) {
        return;
    }
    beginResetModel();
    m_problemsOnly = only;
    endResetModel();
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
        const ResultRow& r = m_report->rows[static_cast<std::size_t>(row)];
        if (r.kind != ResultRow::Kind::FailedFolder) {
            wanted.insert(filePath(r));
        }
    }
    m_thumbnails->keepOnly(wanted);
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid()) {
        return 0;
    }
    return m_problemsOnly ? problemCount() : static_cast<int>(m_report->rows.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ResultsModel::filePath(const ResultRow& row) const
{
    return decoded(m_report->base.empty() || row.kind == ResultRow::Kind::FailedFolder
                       ? row.path
                       : crestmap::joinPath(m_report->base, row.path));
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const ResultRow& row = m_report->rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    const bool failedFolder = row.kind == ResultRow::Kind::FailedFolder;
    switch (role) {
    case Qt::DisplayRole:
        if (column == FileColumn) {
            return decoded(m_report->base.empty() && !failedFolder
                               ? crestmap::lastPathComponent(row.path)
                               : std::string_view(row.path));
        }
        if (row.kind == ResultRow::Kind::PassedOver || row.kind == ResultRow::Kind::NoRecord) {
            return QString::fromUtf8(crestmap::describeSkipReason(row.reason));
        }
        return failedFolder ? decoded(row.text) : QString::fromStdString(row.text);
    case Qt::DecorationRole:
        if (failedFolder) {
            return QApplication::style()->standardIcon(
                column == FileColumn ? QStyle::SP_DirIcon : QStyle::SP_MessageBoxCritical);
        }
        if (column == PictureColumn) {
            // A mark beside the reason, not a picture: smaller than the previews.
            return row.problem() ? QApplication::style()
                                       ->standardIcon(QStyle::SP_MessageBoxWarning)
                                       .pixmap(m_thumbnails->box() / 2)
                                 : QVariant();
        }
        if (const auto thumbnail = m_thumbnails->thumbnail(filePath(row))) {
            return *thumbnail;
        }
        return {};
    case Qt::ToolTipRole:
        return filePath(row);
    case ProblemRole:
        return row.problem();
    default:
        return {};
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return section == FileColumn ? tr("Image") : tr("Picture it maps to");
}
