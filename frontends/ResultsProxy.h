#pragma once

#include <QSortFilterProxyModel>
#include <string>

class ResultsModel;

/// Sorts the results by a column, digits as numbers and problems first either way, and shows
/// only the rows a filter lets through; the selection follows its rows.
class ResultsProxy : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit ResultsProxy(ResultsModel* model);

    /// Hides the mapped images, leaving the rows that need attention.
    void setProblemsOnly(bool only);
    /// Shows only rows whose path holds `text`, in any case.
    void setText(const QString& text);
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    [[nodiscard]] bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    [[nodiscard]] bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    ResultsModel* m_model;
    std::string m_text; ///< in lower case
    bool m_problemsOnly = false;
};
