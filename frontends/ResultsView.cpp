#include "ResultsView.h"

#include "ResultsModel.h"
#include "ResultsProxy.h"
#include "ThumbnailLoader.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

namespace {

constexpr int rowsAtLeast = 4;
/// Rows measured to size a column, however many there are.
constexpr std::size_t sampledRows = 64;

} // namespace

ResultsView::ResultsView(ResultsModel* model, ResultsProxy* proxy, QWidget* parent)
    : QTableView(parent), m_model(model), m_proxy(proxy)
{
    setObjectName(QStringLiteral("resultsView"));
    setModel(proxy);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One Tab stop: the arrows move within the list, Tab leaves it.
    setTabKeyNavigation(false);
    setSortingEnabled(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    setShowGrid(false);
    setWordWrap(false);
    // Cut for want of room, a text keeps its start and its end: a name its extension, a folder
    // its count, a clash the file it names.
    setTextElideMode(Qt::ElideMiddle);
    setIconSize(model->thumbnails().box());
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Fixed row heights: a hundred thousand rows cost nothing to lay out.
    const int rowHeight = model->thumbnails().box().height() + 4;
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    QHeaderView* header = horizontalHeader();
    // Names and folders are sized from a sample of what they hold, when a report is shown, not
    // on every change of a row; the picture takes the width that is left.
    header->setResizeContentsPrecision(static_cast<int>(sampledRows));
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(ResultsModel::PictureColumn, QHeaderView::Stretch);
    setColumnHidden(ResultsModel::FolderColumn, true);
    setMinimumHeight(header->sizeHint().height() + rowsAtLeast * rowHeight + 2 * frameWidth());
    // Before any report, the empty list's headers read in full too.
    fitColumns(false);

    connect(proxy, &QAbstractItemModel::layoutChanged, this, &ResultsView::updateRowsInView);
    connect(proxy, &QAbstractItemModel::modelReset, this, &ResultsView::updateRowsInView);
    connect(proxy, &QAbstractItemModel::rowsInserted, this, &ResultsView::updateRowsInView);
    connect(proxy, &QAbstractItemModel::rowsRemoved, this, &ResultsView::updateRowsInView);
    connect(header, &QHeaderView::sectionResized, this, [this](int column) {
        m_sizedByUser = m_sizedByUser || (!m_sizing && column != ResultsModel::PictureColumn);
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ResultsView::updateRowsInView);
}

void ResultsView::fitColumns(bool folders)
{
    setColumnHidden(ResultsModel::FolderColumn, !folders);
    m_sizedByUser = false;
    QHeaderView* header = horizontalHeader();
    for (int column = 0; column < ResultsModel::ColumnCount; ++column) {
        // The header's own text sets the least, so that it reads in full over an empty list.
        int widest = header->sectionSizeHint(column);
        // The model's own rows, not the filter's: a filter that hides them all is cleared later.
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        for (const int row : m_model->widthSample(column, sampledRows)) {
            widest = std::max(
                widest, itemDelegate()->sizeHint(option, m_model->index(row, column)).width());
        }
        m_wanted[static_cast<std::size_t>(column)] = widest;
    }
    shareWidth();
}

void ResultsView::shareWidth()
{
    if (m_sizedByUser) {
        return;
    }
    const int room = viewport()->width();
    const bool folders = !isColumnHidden(ResultsModel::FolderColumn);
    const int picture = m_wanted[ResultsModel::PictureColumn];
    int folder = folders ? m_wanted[ResultsModel::FolderColumn] : 0;
    // A very long name or folder gives way to the pictures before they must be cut.
    int file = std::min(m_wanted[ResultsModel::FileColumn],
                        std::max(room * 2 / 5, room - picture - folder));
    folder = std::min(folder, std::max(room / 3, room - picture - file));
    // Too narrow for all: the pictures give way first, down to a third of the room, since they
    // are cut in the middle and a name cut there no longer says which file a row is.
    const int least = std::min(picture, room / 3);
    if (const int all = file + folder; all > room - least && all > 0) {
        file = file * (room - least) / all;
        folder = folder * (room - least) / all;
    }
    m_sizing = true;
    horizontalHeader()->resizeSection(ResultsModel::FileColumn, file);
    if (folders) {
        horizontalHeader()->resizeSection(ResultsModel::FolderColumn, folder);
    }
    m_sizing = false;
}

void ResultsView::resizeEvent(QResizeEvent* event)
{
    // The columns share the viewport's new width before the view lays itself out in it.
    shareWidth();
    QTableView::resizeEvent(event);
    updateRowsInView();
}

void ResultsView::updateRowsInView()
{
    const int first = rowAt(0);
    std::vector<int> rows;
    if (first >= 0) {
        int last = rowAt(viewport()->height() - 1);
        last = last < 0 ? m_proxy->rowCount() - 1 : last;
        for (int row = first; row <= last; ++row) {
            rows.push_back(m_proxy->mapToSource(m_proxy->index(row, 0)).row());
        }
    }
    m_model->setRowsInView(rows);
}
