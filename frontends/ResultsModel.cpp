#include "ResultsModel.h"

#include "FileNames.h"
#include "ThumbnailLoader.h"
#include "XmlRecordBuilder.h"

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
    m_order.clear();
    m_order.reserve(m_report->files.size());
    const auto [style, subType] = m_report->style;
    std::vector<std::uint32_t> mapped;
    mapped.reserve(m_report->files.size());
    for (std::uint32_t i = 0; i < m_report->files.size(); ++i) {
        const auto name = crestmap::fileNameOf(m_report->files[i]);
        (crestmap::recordSkipReason(name, style, subType) ? m_order : mapped).push_back(i);
    }
    m_filesWithoutRecord = m_order.size();
    m_order.insert(m_order.end(), mapped.begin(), mapped.end());
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
    return static_cast<int>(m_report->failedFolders.size() + m_report->passedOver.size() +
                            m_filesWithoutRecord);
}

void ResultsModel::setRowsInView(int first, int last)
{
    m_firstInView = std::max(0, first);
    m_lastInView = std::min(last, rowCount() - 1);
    QSet<QString> wanted;
    for (int row = m_firstInView; row <= m_lastInView; ++row) {
        const Row r = rowAt(row);
        if (r.kind == Row::File) {
            wanted.insert(filePath(m_report->files[m_order[r.index]]));
        } else if (r.kind == Row::PassedOver) {
            wanted.insert(filePath(m_report->passedOver[r.index]));
        }
    }
    m_thumbnails->keepOnly(wanted);
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid()) {
        return 0;
    }
    return m_problemsOnly ? problemCount()
                          : static_cast<int>(m_report->failedFolders.size() +
                                             m_report->passedOver.size() + m_order.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

ResultsModel::Row ResultsModel::rowAt(int row) const
{
    auto index = static_cast<std::size_t>(row);
    if (index < m_report->failedFolders.size()) {
        return {Row::FailedFolder, index};
    }
    index -= m_report->failedFolders.size();
    if (index < m_report->passedOver.size()) {
        return {Row::PassedOver, index};
    }
    return {Row::File, index - m_report->passedOver.size()};
}

QString ResultsModel::filePath(const std::string& name) const
{
    return decoded(m_report->base.empty() ? name : crestmap::joinPath(m_report->base, name));
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const Row row = rowAt(index.row());
    const int column = index.column();
    if (row.kind == Row::FailedFolder) {
        const auto& failed = m_report->failedFolders[row.index];
        switch (role) {
        case Qt::DisplayRole:
            return column == FileColumn ? decoded(failed.folder) : decoded(failed.error);
        case Qt::DecorationRole:
            return QApplication::style()->standardIcon(
                column == FileColumn ? QStyle::SP_DirIcon : QStyle::SP_MessageBoxCritical);
        case ProblemRole:
            return true;
        default:
            return {};
        }
    }
    return fileData(row, column, role);
}

QVariant ResultsModel::fileData(const Row& row, int column, int role) const
{
    const bool passedOver = row.kind == Row::PassedOver;
    const std::string& name =
        passedOver ? m_report->passedOver[row.index] : m_report->files[m_order[row.index]];
    const bool problem = passedOver || row.index < m_filesWithoutRecord;
    switch (role) {
    case Qt::DisplayRole:
        if (column == FileColumn) {
            return decoded(m_report->base.empty() ? crestmap::lastPathComponent(name) : name);
        }
        if (passedOver) {
            return QString::fromUtf8(describeSkipReason(crestmap::SkipReason::ExtensionCase));
        }
        {
            const auto fileName = crestmap::fileNameOf(name);
            const auto [style, subType] = m_report->style;
            if (const auto reason = crestmap::recordSkipReason(fileName, style, subType)) {
                return QString::fromUtf8(crestmap::describeSkipReason(*reason));
            }
            return QString::fromStdString(*crestmap::picturePath(fileName, style, subType));
        }
    case Qt::DecorationRole:
        if (column == PictureColumn) {
            // A mark beside the reason, not a picture: smaller than the previews.
            return problem ? QApplication::style()
                                 ->standardIcon(QStyle::SP_MessageBoxWarning)
                                 .pixmap(m_thumbnails->box() / 2)
                           : QVariant();
        }
        if (const auto thumbnail = m_thumbnails->thumbnail(filePath(name))) {
            return *thumbnail;
        }
        return {};
    case Qt::ToolTipRole:
        return filePath(name);
    case ProblemRole:
        return problem;
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
