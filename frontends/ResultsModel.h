#pragma once

#include "WriteReport.h"

#include <QAbstractTableModel>
#include <cstdint>
#include <functional>
#include <vector>

class ThumbnailLoader;

/// The rows of the last write: problems first (folders that failed or were kept, entries passed
/// over, files without a record, images that clash or would not load, each with its reason),
/// then every mapped image with the picture it maps to. It formats the report's rows, sorts and
/// filters them, and moves its persistent indexes with them, so a selection survives both;
/// nothing is worked out again.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { FileColumn, PictureColumn, FolderColumn, ColumnCount };
    static constexpr int ProblemRole = Qt::UserRole + 1; ///< true on rows that need attention
    static constexpr int PathRole = Qt::UserRole + 2;    ///< the file's whole path, to read
    static constexpr int RecordRole = Qt::UserRole + 3;  ///< the record line of a row's image
    static constexpr int BytesRole = Qt::UserRole + 4;   ///< the whole path's own bytes, to copy

    explicit ResultsModel(QObject* parent = nullptr);

    /// Shows the rows of this write, replacing the last.
    void show(SharedReport report);

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

    /// Up to `count` rows to size `column` by: those whose text there is longest, and an even
    /// spread of the rest. Their lengths are read, never their widths.
    [[nodiscard]] std::vector<int> widthSample(int column, std::size_t count) const;

    [[nodiscard]] ThumbnailLoader& thumbnails() noexcept { return *m_thumbnails; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    /// Sorts by image name, by problem and picture, or by folder, digits as numbers and problems
    /// first either way; -1 brings back the write's own order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    [[nodiscard]] const ResultRow& rowOf(std::uint32_t ref) const;
    [[nodiscard]] std::size_t slotOf(std::uint32_t ref) const;
    [[nodiscard]] std::string fullPath(const ResultRow& row) const;
    [[nodiscard]] std::string_view folderOf(const ResultRow& row) const;
    [[nodiscard]] std::string_view nameOf(const ResultRow& row) const;
    [[nodiscard]] std::size_t shownLength(const ResultRow& row, int column) const;
    [[nodiscard]] std::string_view sortText(const ResultRow& row) const;
    [[nodiscard]] bool before(std::uint32_t a, std::uint32_t b) const;
    [[nodiscard]] bool shown(const ResultRow& row) const;
    [[nodiscard]] static QString shownText(const ResultRow& row);
    [[nodiscard]] QString tooltip(const ResultRow& row, int column) const;
    void order();
    [[nodiscard]] bool filtering() const noexcept;
    [[nodiscard]] const std::vector<std::uint32_t>& visible() const noexcept;
    [[nodiscard]] std::vector<std::uint32_t> filter(const std::vector<std::uint32_t>& order) const;
    void refilter();
    void relayout(const std::function<void()>& change);

    SharedReport m_report = std::make_shared<const WriteReport>();
    std::vector<std::uint32_t> m_order;   ///< every row, in the chosen order
    std::vector<std::uint32_t> m_visible; ///< the rows shown, while a filter hides some
    /// The mapped rows by the hash of their path, made when a record is first looked for.
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    std::string m_filter; ///< in lower case
    bool m_problemsOnly = false;
    int m_firstInView = 0;
    int m_lastInView = -1;
    ThumbnailLoader* m_thumbnails;
};
