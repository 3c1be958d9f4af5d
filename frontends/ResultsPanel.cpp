#include "ResultsPanel.h"

#include "ResultsModel.h"
#include "ThumbnailLoader.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

ResultsPanel::ResultsPanel(QWidget* parent)
    : QWidget(parent), m_model(new ResultsModel(this)),
      m_summary(new QLabel(tr("After a write, every image is listed here with the picture it "
                              "maps to, and every file left out with the reason."),
                           this)),
      m_problemsOnly(new QCheckBox(tr("Only &problems"), this)), m_view(new QTableView(this))
{
    m_summary->setObjectName(QStringLiteral("resultsSummary"));
    m_summary->setWordWrap(true);
    // Room for a summary with a long path, so that a new one never squeezes the window's groups.
    m_summary->setMinimumHeight(m_summary->fontMetrics().lineSpacing() * 3);
    m_summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_problemsOnly->setObjectName(QStringLiteral("problemsOnly"));
    m_problemsOnly->setEnabled(false);
    m_view->setObjectName(QStringLiteral("resultsView"));
    m_view->setAccessibleName(tr("Results of the last write"));
    m_view->setAccessibleDescription(
        tr("Each image with the picture it maps to; files without a record, with the reason"));

    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setShowGrid(false);
    m_view->setWordWrap(false);
    m_view->setTextElideMode(Qt::ElideMiddle);
    m_view->setIconSize(m_model->thumbnails().box());
    m_view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Fixed row heights and no size-to-contents: a hundred thousand rows cost nothing to lay out.
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(m_model->thumbnails().box().height() + 6);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->horizontalHeader()->resizeSection(ResultsModel::FileColumn, 220);

    auto* top = new QHBoxLayout;
    top->addWidget(m_summary, 1);
    top->addWidget(m_problemsOnly, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_view, 1);

    connect(m_problemsOnly, &QCheckBox::toggled, this, [this](bool only) {
        m_model->setProblemsOnly(only);
        updateRowsInView();
    });
    connect(m_view->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &ResultsPanel::updateRowsInView);
}

void ResultsPanel::showReport(SharedReport report)
{
    m_summary->setText(report->summary());
    m_model->show(std::move(report));
    m_problemsOnly->setEnabled(m_model->problemCount() > 0);
    if (m_model->problemCount() == 0) {
        m_problemsOnly->setChecked(false);
    }
    m_view->scrollToTop();
    updateRowsInView();
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
