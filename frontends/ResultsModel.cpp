#include "ResultsModel.h"

#include "FileNames.h"
#include "PathText.h"
#include "ThumbnailLoader.h"
#include "WindowWords.h"

#include <QApplication>
#include <QFileInfo>
#include <QSet>
#include <QStyle>
#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <numeric>

namespace {

constexpr int thumbnailSize = 40;

QString clashText(const QString& other)
{
    //: An image's row; %1: the other image's name
    return WindowWords::tr("maps to the same picture as %1").arg(other);
}

QString shownText(const ResultRow& row)
{
    switch (row.kind) {
    case ResultRow::Kind::Clash:
        return clashText(WindowWords::named(row.text));
    case ResultRow::Kind::PassedOver:
    case ResultRow::Kind::NoRecord:
        return WindowWords::skip(row.reason);
    default:
        return QString::fromStdString(row.text);
    }
}

// Rich text for a tooltip line that wraps rather than runs off the screen.
QString paragraph(const QString& text)
{
    return QStringLiteral("<p style='margin:0'>%1</p>").arg(wrappable(text).toHtmlEscaped());
}

} // namespace

ResultsModel::ResultsModel(QObject* parent)
    : QAbstractTableModel(parent),
      m_thumbnails(new ThumbnailLoader(QSize(thumbnailSize, thumbnailSize), this))
{
    connect(m_thumbnails, &ThumbnailLoader::ready, this, [this] {
        // Only rows in view ask for previews, so only they can have changed.
        for (const int row : m_inView) {
            if (row < rowCount()) {
                emit dataChanged(index(row, FileColumn), index(row, FileColumn),
                                 {Qt::DecorationRole, Qt::ToolTipRole});
            }
        }
    });
}

void ResultsModel::show(SharedReport report)
{
    beginResetModel();
    m_thumbnails->clear();
    m_report = std::move(report);
    m_inView.clear();
    endResetModel();
}

void ResultsModel::setRowsInView(const std::vector<int>& rows)
{
    m_inView = rows;
    QSet<QString> wanted;
    for (const int r : rows) {
        if (!row(r).folder()) {
            wanted.insert(qtPath(fullPath(row(r))));
        }
    }
    m_thumbnails->keepOnly(wanted);
}

std::vector<int> ResultsModel::widthSample(int column, std::size_t count) const
{
    const auto rows = static_cast<std::size_t>(rowCount());
    const auto length = [&](int r) {
        // Room for the count of images beside a folder's name.
        return column == FolderColumn
                   ? m_report->folderOf(row(r)).size() + (row(r).folder() ? 0 : 12)
                   : m_report->sortText(row(r), static_cast<ResultColumn>(column)).size();
    };
    if (rows <= count) {
        std::vector<int> all(rows);
        std::iota(all.begin(), all.end(), 0);
        return all;
    }
    // A picture's text is long by its kind and what it names: making each row's would hold the
    // window up for a list of 200,000 rows.
    const auto clash = static_cast<std::size_t>(clashText(QString()).size());
    std::array<std::size_t, crestmap::allSkipReasons.size()> skips{};
    for (const crestmap::SkipReason reason : crestmap::allSkipReasons) {
        skips[static_cast<std::size_t>(reason)] =
            static_cast<std::size_t>(WindowWords::skip(reason).size());
    }
    const auto picture = [&](const ResultRow& shown) {
        switch (shown.kind) {
        case ResultRow::Kind::Clash:
            return clash + shown.text.size();
        case ResultRow::Kind::PassedOver:
        case ResultRow::Kind::NoRecord:
            return skips[static_cast<std::size_t>(shown.reason)];
        default:
            return shown.text.size();
        }
    };
    // The longest texts by a heap of the few seen so far, then every so many rows.
    using Entry = std::pair<std::size_t, int>;
    std::vector<Entry> longest;
    const std::size_t keep = count / 2;
    for (int r = 0; r < rowCount(); ++r) {
        const Entry entry{column == PictureColumn ? picture(row(r)) : length(r), r};
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
    std::ranges::transform(longest, std::back_inserter(sample), &Entry::second);
    const std::size_t spread = count - keep;
    for (std::size_t i = 0; i < spread; ++i) {
        sample.push_back(static_cast<int>(i * (rows - 1) / std::max<std::size_t>(1, spread - 1)));
    }
    return sample;
}

QModelIndex ResultsModel::index(int row, int column, const QModelIndex& parent) const
{
    // A sort asks for two indexes at each of its million comparisons: no virtual calls here.
    const bool inside = !parent.isValid() && row >= 0 && column >= 0 && column < ColumnCount &&
                        static_cast<std::size_t>(row) < m_report->rows.size();
    return inside ? createIndex(row, column) : QModelIndex();
}

std::string ResultsModel::fullPath(const ResultRow& row) const
{
    return m_report->base.empty() || row.folder() ? row.path
                                                  : crestmap::joinPath(m_report->base, row.path);
}

QString ResultsModel::tooltip(const ResultRow& row, int column) const
{
    const QString path = WindowWords::path(fullPath(row));
    if (column == FolderColumn) {
        return paragraph(row.folder() ? path : QFileInfo(path).path());
    }
    if (column == PictureColumn || row.folder()) {
        return paragraph(row.folder() ? path : QString()) + paragraph(shownText(row));
    }
    return m_thumbnails->tooltip(qtPath(fullPath(row))).value_or(QString()) + paragraph(path) +
           paragraph(shownText(row));
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const ResultRow& r = row(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        if (column == FileColumn) {
            return WindowWords::path(crestmap::lastPathComponent(r.path));
        }
        if (column == FolderColumn) {
            const std::string_view folder = m_report->folderOf(r);
            // The top folder by its own name, as the others are.
            const QString name = WindowWords::path(
                folder == "." ? crestmap::lastPathComponent(m_report->base) : folder);
            const auto count = m_report->folderImages.find(std::string(folder));
            return count == m_report->folderImages.end() || r.folder()
                       ? name
                       //: A folder's name and how many images it holds
                       : WindowWords::tr("%1 (%Ln image(s))", nullptr, pluralCount(count->second))
                             .arg(WindowWords::isolated(name));
        }
        return WindowWords::readable(shownText(r));
    case Qt::DecorationRole: {
        if (column == FileColumn) {
            // Room for the preview while it is decoded, so the row never changes its width.
            if (r.folder()) {
                return QApplication::style()->standardIcon(QStyle::SP_DirIcon);
            }
            if (const auto preview = m_thumbnails->thumbnail(qtPath(fullPath(r)))) {
                return *preview;
            }
            // A row painted before the view said which rows it shows must hear of its preview.
            if (std::find(m_inView.begin(), m_inView.end(), index.row()) == m_inView.end()) {
                m_inView.push_back(index.row());
            }
            return m_thumbnails->blank();
        }
        if (column != PictureColumn || !r.problem()) {
            return {};
        }
        const QStyle::StandardPixmap mark =
            r.kind == ResultRow::Kind::FailedFolder ? QStyle::SP_MessageBoxCritical
            : r.kind == ResultRow::Kind::KeptFolder ? QStyle::SP_MessageBoxInformation
                                                    : QStyle::SP_MessageBoxWarning;
        // A mark beside the reason, not a picture: smaller than the previews.
        return QApplication::style()->standardIcon(mark).pixmap(m_thumbnails->box() / 2);
    }
    case Qt::ToolTipRole:
        return tooltip(r, column);
    case ProblemRole:
        return r.problem();
    case FolderRowRole:
        return r.folder();
    case PathRole:
        return shownPath(fullPath(r));
    case BytesRole:
        return QByteArray::fromStdString(fullPath(r));
    case RecordRole:
        if (const auto line = m_report->recordOf(r)) {
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
    //: The titles of the list's columns: this, the picture an image maps to, and its folder
    return section == FileColumn      ? tr("Image")
           : section == PictureColumn ? tr("Picture it maps to")
                                      : tr("Folder");
}
