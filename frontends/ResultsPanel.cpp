#include "ResultsPanel.h"

#include "PathText.h"
#include "ResultsModel.h"
#include "ThumbnailLoader.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <set>

namespace {

constexpr int rowsAtLeast = 4;

} // namespace

ResultsPanel::ResultsPanel(QWidget* parent)
    : QWidget(parent), m_model(new ResultsModel(this)),
      m_summary(new QLabel(tr("Choose what the images are, then browse for them or drop their "
                              "folder above. Every image is then listed here with the picture it "
                              "maps to, and every file left out with the reason."),
                           this)),
      m_progress(new QLabel(this)), m_cancel(new QPushButton(tr("Cancel"), this)),
      m_filter(new QLineEdit(this)), m_problemsOnly(new QCheckBox(tr("Only &problems"), this)),
      m_view(new QTableView(this))
{
    m_summary->setObjectName(QStringLiteral("resultsSummary"));
    m_summary->setWordWrap(true);
    // Room for a summary with a long path, so that a new one never squeezes the window's groups.
    m_summary->setMinimumHeight(m_summary->fontMetrics().lineSpacing() * 2);
    m_summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Its links have their own keys (Undo) or menu (Show in Folder): no Tab stop of its own.
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);
    m_summary->setFocusPolicy(Qt::NoFocus);
    m_summary->setTextFormat(Qt::RichText);
    m_progress->setObjectName(QStringLiteral("writeProgress"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_progress->hide();
    m_cancel->hide();
    m_filter->setObjectName(QStringLiteral("resultsFilter"));
    m_filter->setPlaceholderText(tr("Find images by name"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setAccessibleName(tr("Find images by name"));
    m_problemsOnly->setObjectName(QStringLiteral("problemsOnly"));
    m_problemsOnly->setEnabled(false);
    m_view->setObjectName(QStringLiteral("resultsView"));
    m_view->setAccessibleName(tr("Results of the last write"));
    m_view->setAccessibleDescription(
        tr("Each image with the picture it maps to; files without a record, with the reason"));

    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One Tab stop: the arrows move within the list, Tab leaves it.
    m_view->setTabKeyNavigation(false);
    m_view->setSortingEnabled(true);
    m_view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_view->setShowGrid(false);
    m_view->setWordWrap(false);
    m_view->setTextElideMode(Qt::ElideMiddle);
    m_view->setIconSize(m_model->thumbnails().box());
    m_view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    // Fixed row heights: a hundred thousand rows cost nothing to lay out.
    const int rowHeight = m_model->thumbnails().box().height() + 4;
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(rowHeight);
    QHeaderView* header = m_view->horizontalHeader();
    // Names and folders are sized to what they hold once, when a write is shown, not on every
    // change of a row; the picture takes the width that is left.
    header->setResizeContentsPrecision(256);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(ResultsModel::PictureColumn, QHeaderView::Stretch);
    m_view->setColumnHidden(ResultsModel::FolderColumn, true);
    m_view->setMinimumHeight(header->sizeHint().height() + rowsAtLeast * rowHeight +
                             2 * m_view->frameWidth());

    auto* top = new QHBoxLayout;
    top->addWidget(m_summary, 1);
    top->addWidget(m_progress, 1);
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

    connect(m_problemsOnly, &QCheckBox::toggled, this, [this](bool only) {
        m_model->setProblemsOnly(only);
        updateRowsInView();
    });
    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_model->setFilter(text);
        updateRowsInView();
    });
    connect(m_model, &QAbstractItemModel::layoutChanged, this, &ResultsPanel::updateRowsInView);
    connect(m_view->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &ResultsPanel::updateRowsInView);
    connect(m_cancel, &QPushButton::clicked, this, &ResultsPanel::cancelRequested);
    connect(m_summary, &QLabel::linkActivated, this, [this](const QString& link) {
        if (link == QLatin1String("undo")) {
            emit undoRequested();
        } else {
            emit openRequested(link);
        }
    });
    connect(m_view, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        emit openRequested(index.data(ResultsModel::PathRole).toString());
    });
    connect(m_view, &QWidget::customContextMenuRequested, this, &ResultsPanel::showContextMenu);
}

void ResultsPanel::showReport(SharedReport report)
{
    m_checkProgress.clear();
    m_model->show(std::move(report));
    m_view->setColumnHidden(ResultsModel::FolderColumn, !m_model->isPack());
    m_view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_view->resizeColumnToContents(ResultsModel::FileColumn);
    m_view->resizeColumnToContents(ResultsModel::FolderColumn);
    updateSummary();
    m_view->scrollToTop();
    updateRowsInView();
}

void ResultsPanel::addProblems(std::vector<ResultRow> problems, std::size_t done, std::size_t total)
{
    m_model->addProblems(std::move(problems));
    m_checkProgress =
        done < total ? tr("checking images: %1 of %2").arg(done).arg(total) : QString();
    updateSummary();
    updateRowsInView();
}

void ResultsPanel::updateSummary()
{
    const WriteReport& report = m_model->report();
    QString text = report.summary().toHtmlEscaped();
    const int later = m_model->problemCount() - static_cast<int>(report.problems);
    if (later > 0) {
        text +=
            QStringLiteral(" · ") + counted(static_cast<std::size_t>(later),
                                            "%1 image would not load", "%1 images would not load");
    }
    if (!m_checkProgress.isEmpty()) {
        text += QStringLiteral(" · ") + m_checkProgress;
    }
    if (report.tally.recordsLost() > 0) {
        text += QStringLiteral(" — <a href=\"undo\">%1</a>").arg(tr("Undo"));
    }
    const std::string& folder = report.base.empty() ? report.tally.lastConfigPath() : report.base;
    if (report.tally.foldersWritten() > 0 && !folder.empty()) {
        const QString path = qtPath(folder);
        const QString open = report.base.empty() ? QFileInfo(path).absolutePath() : path;
        text +=
            QStringLiteral(" · <a href=\"%1\">%2</a>").arg(open.toHtmlEscaped(), tr("Open folder"));
    }
    m_summary->setText(text);
    m_problemsOnly->setEnabled(m_model->problemCount() > 0);
    if (m_model->problemCount() == 0) {
        m_problemsOnly->setChecked(false);
    }
}

void ResultsPanel::setBusy(bool busy)
{
    m_summary->setVisible(!busy);
    m_progress->setVisible(busy);
    m_cancel->setVisible(busy);
    m_cancel->setEnabled(busy);
    if (busy) {
        m_progress->setText(tr("Writing…"));
    }
}

void ResultsPanel::setProgress(const QString& text, std::size_t /*done*/, std::size_t /*total*/)
{
    m_progress->setText(text);
}

QString ResultsPanel::selectedText(bool records) const
{
    std::set<int> rows;
    for (const QModelIndex& index : m_view->selectionModel()->selectedIndexes()) {
        rows.insert(index.row());
    }
    QStringList lines;
    for (const int row : rows) {
        const QVariant value = m_model->index(row, 0).data(records ? ResultsModel::RecordRole
                                                                   : ResultsModel::PathRole);
        if (value.isValid()) {
            lines << value.toString();
        }
    }
    return lines.join(QLatin1Char('\n'));
}

QString ResultsPanel::currentPath() const
{
    return m_view->currentIndex().data(ResultsModel::PathRole).toString();
}

void ResultsPanel::showContextMenu(const QPoint& at)
{
    if (!m_view->indexAt(at).isValid()) {
        return;
    }
    QMenu menu(this);
    const QString path = m_view->indexAt(at).data(ResultsModel::PathRole).toString();
    menu.addAction(tr("&Open Image"), this, [this, path] { emit openRequested(path); });
    menu.addAction(tr("Show in &Folder"), this, [this, path] { emit showInFolderRequested(path); });
    menu.addSeparator();
    menu.addAction(tr("&Copy Path"), this,
                   [this] { QGuiApplication::clipboard()->setText(selectedText(false)); });
    menu.addAction(tr("Copy &Record"), this,
                   [this] { QGuiApplication::clipboard()->setText(selectedText(true)); });
    menu.exec(m_view->viewport()->mapToGlobal(at));
}

void ResultsPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateRowsInView();
}

void ResultsPanel::updateRowsInView()
{
    const int first = m_view->rowAt(0);
    if (first < 0) {
        m_model->setRowsInView(0, -1);
        return;
    }
    const int last = m_view->rowAt(m_view->viewport()->height() - 1);
    m_model->setRowsInView(first, last < 0 ? m_model->rowCount() - 1 : last);
}
