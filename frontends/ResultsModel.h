#pragma once

#include "WriteReport.h"

#include <QAbstractTableModel>

class ThumbnailLoader;

/// The rows of the last write: problems first (folders that failed, entries passed over, files
/// without a record, each with its reason), then every mapped image with the picture it maps
/// to. It only formats the report's rows; nothing is worked out again.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { FileColumn, PictureColumn, ColumnCount };
    /// True on rows that need the user's attention.
    static constexpr int ProblemRole = Qt::UserRole + 1;

    explicit ResultsModel(QObject* parent = nullptr);

    /// Shows the files of this write, replacing the last.
    void show(SharedReport report);

    /// Hides the mapped images, leaving the rows that need attention.
    void setProblemsOnly(bool only);
    [[nodiscard]] int problemCount() const noexcept;

    /// The rows in view; previews are decoded only for them, and abandoned for the rest.
    void setRowsInView(int first, int last);

    [[nodiscard]] ThumbnailLoader& thumbnails() noexcept { return *m_thumbnails; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    [[nodiscard]] QString filePath(const ResultRow& row) const;

    SharedReport m_report = std::make_shared<const WriteReport>();
    bool m_problemsOnly = false;
    int m_firstInView = 0;
    int m_lastInView = -1;
    ThumbnailLoader* m_thumbnails;
};
