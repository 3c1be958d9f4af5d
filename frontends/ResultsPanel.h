#pragma once

#include "WriteReport.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QTableView;
class ResultsModel;

/// Below the drop area: what the last write did, image by image, with a filter for problems.
class ResultsPanel : public QWidget {
    Q_OBJECT

public:
    explicit ResultsPanel(QWidget* parent = nullptr);

    /// Shows the rows of this write in place of the last one's.
    void showReport(SharedReport report);

    [[nodiscard]] ResultsModel& model() noexcept { return *m_model; }
    [[nodiscard]] QTableView& view() noexcept { return *m_view; }

    /// The summary's height is reserved up front; letting it depend on the width would squeeze
    /// the window's other groups whenever a long summary wraps.
    [[nodiscard]] bool hasHeightForWidth() const override { return false; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateRowsInView();

    ResultsModel* m_model;
    QLabel* m_summary;
    QCheckBox* m_problemsOnly;
    QTableView* m_view;
};
