#pragma once

#include "WriteReport.h"

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

class ThumbnailLoader;

/// The rows of the last write: problems first (folders that failed, entries passed over, files
/// without a record, each with its reason), then every mapped image with the picture it maps
/// to. Rows are worked out from the report's file list as they are shown.
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
    struct Row {
        enum Kind { FailedFolder, PassedOver, File } kind;
        std::size_t index;
    };
    [[nodiscard]] Row rowAt(int row) const;
    [[nodiscard]] QString filePath(const std::string& name) const;
    [[nodiscard]] QVariant fileData(const Row& row, int column, int role) const;

    SharedReport m_report = std::make_shared<const WriteReport>();
    std::vector<std::uint32_t> m_order; ///< indices of files: without a record first
    std::size_t m_filesWithoutRecord = 0;
    bool m_problemsOnly = false;
    int m_firstInView = 0;
    int m_lastInView = -1;
    ThumbnailLoader* m_thumbnails;
};
