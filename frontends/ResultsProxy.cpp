#include "ResultsProxy.h"

#include "PathText.h"
#include "ResultsModel.h"
#include "Text.h"

#include <algorithm>

ResultsProxy::ResultsProxy(ResultsModel* model) : QSortFilterProxyModel(model), m_model(model)
{
    setSourceModel(model);
    setDynamicSortFilter(false);
}

void ResultsProxy::setProblemsOnly(bool only)
{
    if (only != m_problemsOnly) {
        m_problemsOnly = only;
        invalidate();
    }
}

void ResultsProxy::setText(const QString& text)
{
    std::string folded = coreBytes(QDir::fromNativeSeparators(text));
    std::transform(folded.begin(), folded.end(), folded.begin(), crestmap::foldCase);
    if (folded != m_text) {
        m_text = std::move(folded);
        invalidate();
    }
}

void ResultsProxy::sort(int column, Qt::SortOrder order)
{
    // QTableView::sortByColumn asks twice. The rows stay in the order asked for: they are only
    // ever reset, which sorts them again, and their ranks never change.
    if (column == sortColumn() && (column < 0 || order == sortOrder())) {
        return;
    }
    QSortFilterProxyModel::sort(column, order);
}

bool ResultsProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    // Problems first either way: a descending sort asks with its operands swapped. The model's
    // own numbers, not its variants: a long list's sort compares a million times.
    const std::uint32_t flip = sortOrder() == Qt::AscendingOrder ? 0 : WriteReport::notProblemBit;
    return (m_model->sortRank(left.row(), left.column()) ^ flip) <
           (m_model->sortRank(right.row(), right.column()) ^ flip);
}

bool ResultsProxy::filterAcceptsRow(int row, const QModelIndex&) const
{
    const ResultRow& r = m_model->row(row);
    if (m_problemsOnly && !r.problem()) {
        return false;
    }
    return m_text.empty() || !std::ranges::search(r.path, m_text, [](char a, char b) {
                                  return crestmap::foldCase(a) == b;
                              }).empty();
}
