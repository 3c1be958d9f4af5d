#pragma once

#include "WriteReport.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class ResultsModel;

/// Below the drop area: what the last write did, image by image, to sort, filter and act on,
/// with the progress of a write under way and of the check of its images.
class ResultsPanel : public QWidget {
    Q_OBJECT

public:
    explicit ResultsPanel(QWidget* parent = nullptr);

    /// Shows the rows of this write in place of the last one's.
    void showReport(SharedReport report);
    /// Adds images found not to load, and says how far the check has come.
    void addProblems(std::vector<ResultRow> problems, std::size_t done, std::size_t total);
    /// While a write runs: its progress and a Cancel button instead of the summary.
    void setBusy(bool busy);
    /// How far a job has come: `done` of `total`, or, with `total` 0, only that it goes on.
    void setProgress(const QString& text, std::size_t done = 0, std::size_t total = 0);
    /// The whole path of each selected row, a line each; or their record lines.
    [[nodiscard]] QString selectedText(bool records) const;

    [[nodiscard]] ResultsModel& model() noexcept { return *m_model; }
    [[nodiscard]] QTableView& view() noexcept { return *m_view; }

    /// The summary's height is reserved up front; letting it depend on the width would squeeze
    /// the window's other groups whenever a long summary wraps.
    [[nodiscard]] bool hasHeightForWidth() const override { return false; }

signals:
    void cancelRequested();
    void undoRequested();
    void openRequested(const QString& path);
    void showInFolderRequested(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateRowsInView();
    void updateSummary();
    void showContextMenu(const QPoint& at);
    [[nodiscard]] QString currentPath() const;

    ResultsModel* m_model;
    QLabel* m_summary;
    QLabel* m_progress;
    QPushButton* m_cancel;
    QLineEdit* m_filter;
    QCheckBox* m_problemsOnly;
    QTableView* m_view;
    QString m_checkProgress;
};
