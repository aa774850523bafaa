// frmDocument: the window every report is shown in, a child of the main window holding the
// report's list (lvListView) and the buttons Gridlines, Print and Cancel. Each report opens a
// new one; DoReports (ReportWindows.h) makes it, has it build its report, lays it out and shows
// it.
#pragma once

#include "app/reports/rules/ReportCatalogue.h"
#include "app/reports/rules/ReportLayout.h"

#include <QWidget>

#include <memory>

class QPushButton;
class QTableView;

namespace qel::reports {

class ReportListModel;

class FrmDocument : public QWidget {
public:
    explicit FrmDocument(QWidget* parent = nullptr);
    ~FrmDocument() override;

    // Builds the report of the catalogue's name from the data server (the value is its year,
    // period or asset number; the book goes to the per-book reports and the tax schedule) and
    // works out the size the window takes for its rows. Returns the rows filled: 0 for a name
    // outside the catalogue, an empty result or a failed query (queryFailed()).
    std::int32_t CreateReport(const QString& strReport, std::int32_t intYear, std::int16_t bookId);
    bool queryFailed() const { return report_.failed; }
    // The size CreateReport worked out, in twips.
    WindowSize ownSize() const { return ownSize_; }

    // Gives the built report its columns' widths, titles and alignment (ReportLayout.h) and shows
    // it; a column narrower than its widest cell is widened to it, and the window's own size and
    // fixed width grow by what the columns gained. Returns the report's fixed window width, 0
    // when it has none.
    std::int32_t showReport(const QString& strReport);

    // The report's rows, for printing and other windows.
    const ReportList& list() const;

    // The pixels the window would have to grow by for its list to show every row whole, above
    // the list's horizontal scroll bar when the columns are wider than the list; 0 when they all
    // show already. The window's size in twips is made for rows, a title row and no scroll bar
    // smaller than the list draws here.
    int heightMissingForEveryRow() const;

    QTableView* lvListView;
    QPushButton* cmdPrint;
    QPushButton* cmdCancel;
    QPushButton* cmdGridLines;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void cmdPrint_Click();
    void cmdCancel_Click();
    void cmdGridLines_Click();
    void lvListView_ColumnClick(int column);

    BuiltReport report_;
    WindowSize ownSize_{0, 0};
    ReportListModel* model_ = nullptr;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

} // namespace qel::reports
