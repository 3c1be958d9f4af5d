#pragma once

#include <QTableView>
#include <array>

class ResultsModel;
class ResultsProxy;

/// The results' table: a row for each image or folder, all of one height, the columns sized from
/// what they hold, and previews decoded only for the rows in view.
class ResultsView : public QTableView {
    Q_OBJECT

public:
    ResultsView(ResultsModel* model, ResultsProxy* proxy, QWidget* parent = nullptr);

    /// Sizes the columns for the rows just shown, unless the user sizes them.
    void fitColumns(bool folders);
    /// Asks for the previews of the rows in view, and forgets the others.
    void updateRowsInView();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void shareWidth();

    ResultsModel* m_model;
    ResultsProxy* m_proxy;
    std::array<int, 3> m_wanted{}; ///< each column's width for its widest text
    bool m_sizing = false;         ///< the columns are being sized, not by the user
    bool m_sizedByUser = false;
};
