#pragma once

#include "WriteReport.h"

#include <QAbstractTableModel>
#include <cstdint>
#include <unordered_map>
#include <vector>

class ThumbnailLoader;

/// The rows of the last write: problems first (folders that failed or were kept, entries passed
/// over, files without a record, images that clash or would not load, each with its reason),
/// then every mapped image with the picture it maps to. It formats the report's rows, sorts and
/// filters them; nothing is worked out again.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { FileColumn, PictureColumn, FolderColumn, ColumnCount };
    static constexpr int ProblemRole = Qt::UserRole + 1; ///< true on rows that need attention
    static constexpr int PathRole = Qt::UserRole + 2;    ///< the file's whole path
    static constexpr int RecordRole = Qt::UserRole + 3;  ///< a mapped image's record line

    explicit ResultsModel(QObject* parent = nullptr);

    /// Shows the rows of this write, replacing the last.
    void show(SharedReport report);
    /// Adds problems found after the write, such as images that would not load.
    void addProblems(std::vector<ResultRow> rows);

    /// Hides the mapped images, leaving the rows that need attention.
    void setProblemsOnly(bool only);
    /// Shows only rows whose image name or folder holds `text`, in any case.
    void setFilter(const QString& text);
    [[nodiscard]] int problemCount() const noexcept;
    /// Whether the rows come from a folder and the folders below it.
    [[nodiscard]] bool isPack() const noexcept { return m_report->pack; }
    [[nodiscard]] const WriteReport& report() const noexcept { return *m_report; }

    /// The rows in view; previews are decoded only for them, and abandoned for the rest.
    void setRowsInView(int first, int last);

    [[nodiscard]] ThumbnailLoader& thumbnails() noexcept { return *m_thumbnails; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    /// Sorts by image name, by problem and picture, or by folder; -1 brings back the write's
    /// own order, problems first.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    static constexpr std::uint32_t extraBit = 0x80000000u;

    [[nodiscard]] const ResultRow& rowOf(std::uint32_t ref) const;
    [[nodiscard]] std::string fullPath(const ResultRow& row) const;
    [[nodiscard]] std::string_view folderOf(const ResultRow& row) const;
    [[nodiscard]] QString tooltip(const ResultRow& row) const;
    void order();
    void refilter();

    SharedReport m_report = std::make_shared<const WriteReport>();
    std::vector<ResultRow> m_extra;       ///< problems found after the write
    std::vector<std::uint32_t> m_order;   ///< every row, in the chosen order
    std::vector<std::uint32_t> m_visible; ///< the rows shown, after the filters
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    std::string m_filter; ///< in lower case
    bool m_problemsOnly = false;
    int m_firstInView = 0;
    int m_lastInView = -1;
    ThumbnailLoader* m_thumbnails;
};
