#include "ResultsPanel.h"

#include "PathText.h"
#include "ResultsModel.h"
#include "ResultsProxy.h"
#include "ResultsView.h"
#include "WindowWords.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <iterator>
#include <utility>

ResultsPanel::ResultsPanel(QWidget* parent)
    : QWidget(parent), m_model(new ResultsModel(this)), m_proxy(new ResultsProxy(m_model)),
      m_summary(new QLabel(
          wrappable(tr("Choose what the images are, then browse for them or drop their folder "
                       "above. Every image is then listed here with the picture it maps to, and "
                       "every file left out with the reason.")),
          this)),
      m_progress(new QLabel(this)), m_progressBar(new QProgressBar(this)),
      m_cancel(new QPushButton(tr("Cancel"), this)), m_filter(new QLineEdit(this)),
      m_problemsOnly(new QCheckBox(tr("Only &problems"), this)),
      m_view(new ResultsView(m_model, m_proxy, this))
{
    m_summary->setObjectName(QStringLiteral("resultsSummary"));
    copyWithoutWrapPlaces(*m_summary);
    m_summary->setWordWrap(true);
    // Room for a summary with a long path, so that a new one never squeezes the window's groups,
    // and for the Cancel button that takes its row while a job runs.
    m_summary->setMinimumHeight(
        std::max(m_summary->fontMetrics().lineSpacing() * 2, m_cancel->sizeHint().height()));
    m_summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Its links are menu items with keys too (Edit ▸ Undo, File ▸ Open folder): no Tab stop.
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);
    m_summary->setFocusPolicy(Qt::NoFocus);
    m_summary->setTextFormat(Qt::RichText);
    m_progress->setObjectName(QStringLiteral("writeProgress"));
    m_progress->setWordWrap(true);
    m_progress->setMinimumHeight(m_summary->minimumHeight());
    m_progressBar->setObjectName(QStringLiteral("writeProgressBar"));
    m_progressBar->setAccessibleName(tr("Progress"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_filter->setObjectName(QStringLiteral("resultsFilter"));
    m_filter->setPlaceholderText(tr("Find images by name"));
    m_filter->setClearButtonEnabled(true);
    // A folder dropped on it is dropped on the window, not an address to find.
    m_filter->setAcceptDrops(false);
    m_filter->setAccessibleName(tr("Find images by name"));
    m_problemsOnly->setObjectName(QStringLiteral("problemsOnly"));
    m_problemsOnly->setEnabled(false);
    m_view->setAccessibleName(tr("Results"));
    m_view->setAccessibleDescription(
        tr("Each image with the picture it maps to; files without a record, with the reason"));

    auto* top = new QHBoxLayout;
    top->addWidget(m_summary, 1);
    top->addWidget(m_progress, 2, Qt::AlignTop);
    top->addWidget(m_progressBar, 1, Qt::AlignTop);
    top->addWidget(m_cancel, 0, Qt::AlignTop);
    auto* tools = new QHBoxLayout;
    tools->addWidget(m_filter, 1);
    tools->addWidget(m_problemsOnly);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addLayout(tools);
    layout->addWidget(m_view, 1);
    setTabOrder(m_filter, m_problemsOnly);
    setTabOrder(m_problemsOnly, m_view);
    new QShortcut(QKeySequence(QKeySequence::Find), this, [this] {
        m_filter->setFocus(Qt::ShortcutFocusReason);
        m_filter->selectAll();
    });

    connect(m_problemsOnly, &QCheckBox::toggled, m_proxy, &ResultsProxy::setProblemsOnly);
    connect(m_filter, &QLineEdit::textChanged, m_proxy, &ResultsProxy::setText);
    connect(m_cancel, &QPushButton::clicked, this, &ResultsPanel::cancelRequested);
    connect(m_summary, &QLabel::linkActivated, this, [this](const QString& link) {
        if (link == QLatin1String("undo")) {
            emit undoRequested();
        } else {
            emit openRequested(m_model->report().writtenFolder());
        }
    });
    connect(m_view, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        emit openRequested(index.data(ResultsModel::PathRole).toString());
    });
    // The mouse's menu comes to the viewport, the keyboard's to the view.
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
    setBusy(false);
}

void ResultsPanel::showReport(SharedReport report)
{
    // Checked again unasked, the list keeps the user's sort, row and place in it: the place is
    // the row they look at, the current one if in view, else the top one, where it stood.
    const bool again = report->again;
    const auto pathOf = [this](const QModelIndex& index) {
        const QModelIndex source = m_proxy->mapToSource(index);
        return source.isValid() ? m_model->report().rows[source.row()].path : std::string();
    };
    QModelIndex anchor = m_view->currentIndex();
    if (!m_view->viewport()->rect().intersects(m_view->visualRect(anchor))) {
        anchor = m_view->indexAt(QPoint(0, 0));
    }
    const std::string currentPath = again ? pathOf(m_view->currentIndex()) : std::string();
    const std::string anchorPath = again ? pathOf(anchor) : std::string();
    const int anchorTop = m_view->visualRect(anchor).top();
    const int scrolled = m_view->verticalScrollBar()->value();
    if (!again) {
        // Back in the report's own order, its problems first.
        m_view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        m_proxy->sort(-1);
        m_shownWrite = report->journal;
    }
    m_model->show(std::move(report));
    const WriteReport& shown = m_model->report();
    m_view->setAccessibleName(shown.checked ? tr("Results of the last check")
                                            : tr("Results of the last write"));
    m_view->fitColumns(shown.pack);
    updateSummary();
    const auto indexOf = [&](const std::string& path) {
        const auto row =
            path.empty() ? shown.rows.end() : std::ranges::find(shown.rows, path, &ResultRow::path);
        return row == shown.rows.end() ? QModelIndex()
                                       : m_proxy->mapFromSource(m_model->index(
                                             static_cast<int>(row - shown.rows.begin()), 0));
    };
    if (const QModelIndex current = indexOf(currentPath); current.isValid()) {
        m_view->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect |
                                                               QItemSelectionModel::Rows);
    }
    QScrollBar& scroll = *m_view->verticalScrollBar();
    if (const QModelIndex place = indexOf(anchorPath); place.isValid()) {
        m_view->scrollTo(place, QAbstractItemView::PositionAtTop);
        scroll.setValue(scroll.value() - anchorTop);
    } else {
        scroll.setValue(again ? scrolled : 0);
    }
    m_view->updateRowsInView();
}

void ResultsPanel::setLastWrite(const std::string& journal)
{
    if (std::exchange(m_lastWrite, journal) != journal) {
        updateSummary();
    }
}

void ResultsPanel::updateSummary()
{
    const WriteReport& report = m_model->report();
    QString text = wrappable(report.summary()).toHtmlEscaped();
    if (report.tally.recordsLost() > 0 && !report.journal.empty() &&
        report.journal == m_lastWrite) {
        //: A link after the summary of a write, that takes the write back
        text += QStringLiteral(" — <a href=\"undo\">%1</a>").arg(tr("Undo"));
    }
    if (!report.writtenFolder().isEmpty()) {
        //: A link after the summary of a write, that opens the folder written
        text += QStringLiteral(" · <a href=\"folder\">%1</a>").arg(tr("Open folder"));
    }
    m_summary->setText(text);
    m_problemsOnly->setEnabled(report.problems > 0);
    m_problemsOnly->setChecked(m_problemsOnly->isChecked() && report.problems > 0);
}

void ResultsPanel::setBusy(bool busy)
{
    if (busy && m_summary->isVisible()) {
        // The summary's room, so that the list stays where it stands while the job runs.
        m_progress->setMinimumHeight(m_summary->height());
    }
    m_summary->setVisible(!busy);
    m_progress->setVisible(busy);
    m_progressBar->setVisible(busy);
    m_cancel->setVisible(busy);
    m_cancel->setEnabled(busy);
}

void ResultsPanel::setProgress(const QString& text, std::size_t done, std::size_t total)
{
    m_progress->setText(wrappable(text));
    // No text: nothing runs (the user is asked), and nothing moves.
    m_progressBar->setVisible(!m_progress->isHidden() && !text.isEmpty());
    if (total == 0) {
        m_progressBar->setRange(0, 0);
        return;
    }
    // A bar counts in int; beyond that it counts thousandths.
    const bool huge = total > static_cast<std::size_t>(INT_MAX);
    m_progressBar->setRange(0, huge ? 1000 : static_cast<int>(total));
    m_progressBar->setValue(
        static_cast<int>(huge ? std::min(done, total) / (total / 1000) : std::min(done, total)));
}

std::vector<int> ResultsPanel::selectedRows() const
{
    std::vector<int> rows;
    std::ranges::transform(m_view->selectionModel()->selectedRows(), std::back_inserter(rows),
                           &QModelIndex::row);
    std::ranges::sort(rows);
    return rows;
}

void ResultsPanel::copySelection(bool records)
{
    // The whole path of each selected row, or its record line.
    QStringList lines;
    QByteArray bytes;
    QSet<QString> taken;
    for (const int row : selectedRows()) {
        const QModelIndex index = m_proxy->index(row, 0);
        const QVariant value =
            index.data(records ? ResultsModel::RecordRole : ResultsModel::PathRole);
        // An image with a problem has a row of its own beside its mapped one: one line each.
        if (value.isValid() && !taken.contains(value.toString())) {
            taken.insert(value.toString());
            lines << value.toString();
            bytes += index.data(ResultsModel::BytesRole).toByteArray() + '\n';
        }
    }
    const QString text = lines.join(QLatin1Char('\n'));
    if (lines.isEmpty()) {
        emit message(records ? tr("Nothing copied: no selected row has a record")
                             : tr("Nothing copied: no row is selected"));
        return;
    }
    auto* mime = new QMimeData;
    mime->setText(text);
#ifndef Q_OS_WIN
    // A name that is not valid UTF-8 reads with replacement characters, but is pasted as the
    // bytes that name the file.
    bytes.chop(1);
    if (!records && bytes != text.toUtf8()) {
        mime->setData(QStringLiteral("text/plain"), bytes);
    }
#endif
    QGuiApplication::clipboard()->setMimeData(mime);
    emit message(records ? tr("Copied the record of %Ln row(s)", nullptr, pluralCount(lines.size()))
                         : tr("Copied the path of %Ln row(s)", nullptr, pluralCount(lines.size())));
}

void ResultsPanel::showRowMenu(const QModelIndex& row, const QPoint& at)
{
    if (!row.isValid()) {
        return;
    }
    // The menu is of the row it opens on, in focus but not yet selected as it may be.
    if (!m_view->selectionModel()->isRowSelected(row.row(), row.parent())) {
        m_view->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
    }
    QMenu menu(this);
    const QString path = row.data(ResultsModel::PathRole).toString();
    const bool folder = row.data(ResultsModel::FolderRowRole).toBool();
    menu.addAction(folder ? tr("&Open folder") : tr("&Open image"), this,
                   [this, path] { emit openRequested(path); });
    menu.addAction(tr("Show in &folder"), this, [this, path] { emit showInFolderRequested(path); });
    menu.addSeparator();
    menu.addAction(tr("&Copy path"), this, [this] { copySelection(false); });
    QAction* copyRecord = menu.addAction(tr("Copy &record"), this, [this] { copySelection(true); });
    copyRecord->setEnabled(std::ranges::any_of(selectedRows(), [this](int selected) {
        return m_proxy->index(selected, 0).data(ResultsModel::RecordRole).isValid();
    }));
    // The headers sort by a click; this is their way from the keyboard, and again reverses.
    menu.addSeparator();
    QMenu* sorting = menu.addMenu(tr("&Sort by"));
    const QHeaderView* header = m_view->horizontalHeader();
    for (int column = 0; column < ResultsModel::ColumnCount; ++column) {
        if (m_view->isColumnHidden(column)) {
            continue;
        }
        const bool sorted = header->sortIndicatorSection() == column;
        const Qt::SortOrder order = sorted && header->sortIndicatorOrder() == Qt::AscendingOrder
                                        ? Qt::DescendingOrder
                                        : Qt::AscendingOrder;
        QAction* by =
            sorting->addAction(m_proxy->headerData(column, Qt::Horizontal).toString(), this,
                               [this, column, order] { m_view->sortByColumn(column, order); });
        by->setCheckable(true);
        by->setChecked(sorted);
    }
    menu.exec(at);
}

bool ResultsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view->viewport() && event->type() == QEvent::ContextMenu) {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        showRowMenu(m_view->indexAt(menu->pos()), menu->globalPos());
        return true;
    }
    const bool shiftF10 = event->type() == QEvent::KeyPress &&
                          static_cast<QKeyEvent*>(event)->key() == Qt::Key_F10 &&
                          static_cast<QKeyEvent*>(event)->modifiers() == Qt::ShiftModifier;
    if (watched == m_view && (shiftF10 || event->type() == QEvent::ContextMenu)) {
        // From the keyboard: the current row's menu, just below it.
        const QModelIndex current = m_view->currentIndex();
        const QRect place = m_view->visualRect(current);
        showRowMenu(current, m_view->viewport()->mapToGlobal(place.bottomLeft()));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
