#pragma once

#include "WriteReport.h"

#include <QWidget>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class ResultsModel;
class ResultsProxy;
class ResultsView;

/// Below the drop area: what the last write or check did, image by image, to sort, filter and
/// act on, with the progress of a job under way.
class ResultsPanel : public QWidget {
    Q_OBJECT

public:
    explicit ResultsPanel(QWidget* parent = nullptr);

    /// Shows the rows of this report in place of the last one's.
    void showReport(SharedReport report);
    /// While a job runs: its progress and a Cancel button instead of the summary.
    void setBusy(bool busy);
    /// What the running job says, with a bar at `done` of `total`; a busy bar while the total
    /// is not known (0).
    void setProgress(const QString& text, std::size_t done = 0, std::size_t total = 0);
    /// The write Undo would take back now, `journal`: the summary offers Undo of that one only.
    void setLastWrite(const std::string& journal);
    /// Puts the paths of the selected rows on the clipboard, each as the system names it, or the
    /// records of those that have one, and says in a message how many.
    void copySelection(bool records);

    /// The journal of the write whose folders the list shows, also once checked again unasked.
    [[nodiscard]] const std::string& shownWrite() const noexcept { return m_shownWrite; }
    [[nodiscard]] ResultsModel& model() noexcept { return *m_model; }
    [[nodiscard]] ResultsProxy& proxy() noexcept { return *m_proxy; }
    [[nodiscard]] ResultsView& view() noexcept { return *m_view; }

    /// The summary's height is reserved up front; letting it depend on the width would squeeze
    /// the window's other groups whenever a long summary wraps.
    [[nodiscard]] bool hasHeightForWidth() const override { return false; }

signals:
    void cancelRequested();
    void undoRequested();
    void openRequested(const QString& path);
    void showInFolderRequested(const QString& path);
    /// A line for the status bar: what an action did.
    void message(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateSummary();
    void showRowMenu(const QModelIndex& row, const QPoint& at);
    [[nodiscard]] std::vector<int> selectedRows() const;

    ResultsModel* m_model;
    ResultsProxy* m_proxy;
    QLabel* m_summary;
    std::string m_lastWrite; ///< the journal Undo takes back: the summary offers no other
    std::string m_shownWrite;
    QLabel* m_progress;
    QProgressBar* m_progressBar;
    QPushButton* m_cancel;
    QLineEdit* m_filter;
    QCheckBox* m_problemsOnly;
    ResultsView* m_view;
};
