// Sorting a report list within its runs of records.
#include "app/reports/rules/ListOrder.h"

#include <algorithm>
#include <numeric>

namespace qel::reports {

ListOrder::ListOrder(const ReportList& list) : list_(list) {
    const std::size_t n = list.rowCount();
    run_.resize(n);
    bool inRun = false;
    for (std::size_t r = 0; r < n; ++r) {
        // An added row stands alone; a record starts a run after an added row or when it heads
        // a group.
        const bool record = list.kind(r) == RowKind::Data;
        if (!record || !inRun || list.groupCells(r) > 0)
            runHead_.push_back(r);
        run_[r] = static_cast<std::uint32_t>(runHead_.size() - 1);
        inRun = record;
    }
    reset();
}

void ListOrder::reset() {
    order_.resize(list_.rowCount());
    std::iota(order_.begin(), order_.end(), std::size_t{0});
}

void ListOrder::sort(const std::function<bool(std::size_t, std::size_t)>& less, bool descending) {
    sortRuns([&](RowIt first, RowIt last) {
        if (descending)
            std::stable_sort(first, last, [&](std::size_t a, std::size_t b) { return less(b, a); });
        else
            std::stable_sort(first, last, less);
    });
}

void ListOrder::sortRuns(const std::function<void(RowIt first, RowIt last)>& sortRun) {
    reset();
    auto begin = order_.begin();
    while (begin != order_.end()) {
        const std::uint32_t run = run_[*begin];
        auto end = std::find_if(begin, order_.end(), [&](std::size_t r) { return run_[r] != run; });
        sortRun(begin, end);
        begin = end;
    }
}

ReportCell ListOrder::shownCell(std::size_t viewRow, std::size_t column) const {
    const std::size_t source = order_.at(viewRow);
    const std::size_t head = runHead_[run_[source]];
    if (column < list_.groupCells(head)) {
        const bool firstShown = viewRow == 0 || run_[order_[viewRow - 1]] != run_[source];
        if (firstShown)
            return list_.cell(head, column);
        if (source == head)
            return ReportCell{" ", false};
    }
    return list_.cell(source, column);
}

} // namespace qel::reports
