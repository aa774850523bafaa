// The order in which a report list shows its rows when the user sorts it by a column.
//
// A report carries subtotal, total and blank rows among its records, so a sort must not mix
// them: the records are sorted within their run (the records between two added rows, or from a
// group's first row on), and every added row keeps its place. A group's naming cells (the method
// of a worksheet group, the account of a journal group) stay on the group's first row as shown,
// whichever record comes first after the sort.
#pragma once

#include "app/shell/ReportList.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace qel::reports {

class ListOrder : public ShownOrder {
public:
    explicit ListOrder(const ReportList& list);

    // Sorts the records of each run by `less` (on source row numbers), stably; descending
    // reverses the order within each run only.
    void sort(const std::function<bool(std::size_t, std::size_t)>& less, bool descending);
    // Sorts the records of each run with `sortRun`, called once per run with the run's source row
    // numbers to reorder in place, so that a sort by keys read once compares them directly.
    using RowIt = std::vector<std::size_t>::iterator;
    void sortRuns(const std::function<void(RowIt first, RowIt last)>& sortRun);
    // Back to the order of the report.
    void reset();

    std::size_t rowCount() const override { return order_.size(); }
    // The list's row shown at a position.
    std::size_t sourceRow(std::size_t viewRow) const { return order_.at(viewRow); }
    // The cell shown at a position.
    ReportCell shownCell(std::size_t viewRow, std::size_t column) const override;

private:
    const ReportList& list_;
    std::vector<std::size_t> order_;
    std::vector<std::uint32_t> run_;   // run of each source row
    std::vector<std::size_t> runHead_; // first source row of each run
};

} // namespace qel::reports
