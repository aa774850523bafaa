// DeprStore: the engine's statements on one connection: reading a MACRS rate column, a vehicle's
// business fraction and a company's fiscal year-end month, and replacing an asset's yearly rows
// of a book in tblDepr with the gain or loss of a sale. Every statement is prepared once per
// connection and re-bound for each row. The callers group the writes of a run with writeRun.
//
// Also the calling thread's vehicle caps, which GetAutoMaxRates loads and the runs read, and
// its DeprBatch.
#pragma once

#include "server/data/Connection.h"
#include "server/engine/DeprRun.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qel {

// The Federal tax book: the one whose rows give an asset's gain or loss on its sale.
inline constexpr std::int16_t kFederalBook = 1;

// Refuses (InvalidArgument) a book other than 1 Federal, 3 AMT, 4 State, 5 Other.
void checkBook(std::int16_t bookId);

class DeprStore {
public:
    explicit DeprStore(Connection& conn) : conn_(conn) {}

    // The positive rates of `column` of the rate table `table` in recovery-year order. A table or
    // column that does not exist is refused (InvalidArgument) with the database's message.
    // Both names are built by the engine, never from user text.
    std::vector<double> readRates(const std::string& table, const std::string& column);

    // Bpercent of the company's vehicle use row of the year for the asset; 0 when there is none.
    // A Null fraction fails (invalid use of Null).
    double businessPercent(int year, std::int32_t company, std::int32_t asset);

    // The company's fiscal year-end month, 1 to 12; 12 when the company has none (no row, an
    // empty value or a month outside 1 to 12).
    int yearEndMonth(std::int32_t company);

    // Deletes the asset's rows of the book.
    void deleteRows(std::int32_t asset, std::int16_t book);
    // Inserts the rows for the company, book and asset.
    void insertRows(std::int32_t company, std::int16_t book, std::int32_t asset,
                    const std::vector<depr::Row>& rows);
    // Replaces the asset's rows of the book by the rows for the company: with the same result as
    // deleteRows and insertRows, but rows whose year the new schedule keeps are updated in place
    // (when its years follow one another), which spares the indexes.
    void replaceRows(std::int32_t company, std::int16_t book, std::int32_t asset,
                     const std::vector<depr::Row>& rows);
    // Inserts the rows without naming the book (the table's default book takes them).
    void insertRowsWithoutBook(std::int32_t company, std::int32_t asset, const std::vector<depr::Row>& rows);

    // Writes the asset's gain (a loss when negative) on its sale: sale price + the highest
    // accumulated depreciation of the asset's Federal book rows (0 when there is none) - the
    // basis, rounded half to even to whole dollars.
    void setGainLoss(std::int32_t asset, std::int64_t basis, std::int64_t salesPrice);
    // The gain of the business part of an asset in business use for the fraction `business` (0
    // to 1), whose basis is that share of its cost: business x sale price + the highest
    // accumulated depreciation of its Federal book rows, given - the basis, rounded half to even
    // to whole dollars. The personal part's share of the price is no part of it.
    void writeGainLoss(std::int32_t asset, std::int64_t basis, std::int64_t salesPrice, double business,
                       double highestAccum);

private:
    Connection& conn_;
};

// The calling thread's vehicle caps: all 0 until GetAutoMaxRates first finds a limits row.
depr::AutoCaps& threadAutoCaps();

// Runs `write`, the statements of one engine run, all or nothing: in a Transaction of its own (a
// savepoint inside a caller's transaction), or, inside a DeprBatch on the connection, straight in
// the caller's transaction; a failure there marks the batch broken and passes on.
void writeRun(Connection& conn, const std::function<void()>& write);

} // namespace qel
