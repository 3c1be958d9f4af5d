#pragma once

#include "WriteReport.h"

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

class ThumbnailLoader;

/// The rows of the last write or check, in the order the report holds them: problems first
/// (folders that failed or were kept, entries passed over, files without a record, images that
/// clash or would not load, each with its reason), then every mapped image with the picture it
/// maps to. It only formats what the report holds.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { FileColumn, PictureColumn, FolderColumn, ColumnCount };
    static_assert(ColumnCount == resultColumns);
    static constexpr int ProblemRole = Qt::UserRole + 1;   ///< true on rows that need attention
    static constexpr int PathRole = Qt::UserRole + 2;      ///< the file's whole path, to read
    static constexpr int RecordRole = Qt::UserRole + 3;    ///< the record line of a row's image
    static constexpr int BytesRole = Qt::UserRole + 4;     ///< the whole path's own bytes, to copy
    static constexpr int FolderRowRole = Qt::UserRole + 5; ///< true on a folder's row

    explicit ResultsModel(QObject* parent = nullptr);

    /// Shows the rows of this report, replacing the last.
    void show(SharedReport report);
    [[nodiscard]] const WriteReport& report() const noexcept { return *m_report; }
    [[nodiscard]] const ResultRow& row(int row) const { return m_report->rows[std::size_t(row)]; }

    /// A row's place in the order of `column`.
    [[nodiscard]] std::uint32_t sortRank(int row, int column) const
    {
        return m_report->ranks[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
    }

    /// The rows in view, by their own numbers; previews are decoded only for them.
    void setRowsInView(const std::vector<int>& rows);

    /// Up to `count` rows to size `column` by: those whose text there is longest, and an even
    /// spread of the rest. Their lengths are read, never their widths.
    [[nodiscard]] std::vector<int> widthSample(int column, std::size_t count) const;

    [[nodiscard]] ThumbnailLoader& thumbnails() noexcept { return *m_thumbnails; }

    [[nodiscard]] QModelIndex index(int row, int column,
                                    const QModelIndex& parent = {}) const override;
    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_report->rows.size());
    }
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : ColumnCount;
    }
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    [[nodiscard]] std::string fullPath(const ResultRow& row) const;
    [[nodiscard]] QString tooltip(const ResultRow& row, int column) const;

    SharedReport m_report = std::make_shared<const WriteReport>();
    mutable std::vector<int> m_inView; ///< the rows in view, and any painted since they were said
    ThumbnailLoader* m_thumbnails;
};
