// The engine's statements: rate columns, business fractions, yearly rows and the gain or loss.
#include "server/engine/DeprStore.h"

#include "common/Convert.h"
#include "common/ServerError.h"
#include "server/engine/CalcDepr.h"

#include <sqlite3.h>

namespace qel {
namespace {

const std::string kDeleteRows = "Delete from tblDepr where asset_num = ? and bookId = ?";
const std::string kInsertRow =
    "Insert into tblDepr (client_num, BookId, asset_num, [year], depr, accum_depr) Values(?, ?, ?, ?, ?, ?)";
const std::string kInsertRowWithoutBook =
    "Insert into tblDepr (client_num, asset_num, [year], depr, accum_depr) Values(?, ?, ?, ?, ?)";
const std::string kBusinessPercent =
    "SELECT Bpercent FROM tblAutoUse WHERE [Year] = ? and Company_ID = ? and Asset_Id = ?";
const std::string kHighestFederalAccum =
    "SELECT  max(accum_depr) From  tbldepr Where Asset_num = ? and BookId = 1";
const std::string kSetGainLoss = "Update tblassets set gain_loss = ? Where Asset_num = ?";
// Replacing a schedule in place: the rows outside the new schedule's years (or of another
// company) go, each year of the new schedule is inserted or, when it is stored already, updated.
const std::string kDeleteOtherRows = "Delete from tblDepr where asset_num = ? and bookId = ?"
                                     " and ([year] < ? or [year] > ? or client_num <> ?)";
const std::string kUpsertRow =
    "Insert into tblDepr (client_num, BookId, asset_num, [year], depr, accum_depr) Values(?, ?, ?, ?, ?, ?)"
    " ON CONFLICT (client_num, BookId, asset_num, [year]) DO UPDATE SET depr = excluded.depr,"
    " accum_depr = excluded.accum_depr";
const std::string kYearEndMonth = "SELECT [Year End Month] FROM tblCompany WHERE id = ?";

// Rewinds a cached statement when the scope ends, also after a failure part-way through its rows,
// so that no read stays open on the connection.
class Rewind {
public:
    explicit Rewind(Statement& statement) : statement_(statement) {}
    ~Rewind() { statement_.reset(); }
    Rewind(const Rewind&) = delete;
    Rewind& operator=(const Rewind&) = delete;

private:
    Statement& statement_;
};

thread_local depr::AutoCaps tAutoMaxRates;
thread_local DeprBatch* tBatch = nullptr;

} // namespace

void checkBook(std::int16_t bookId) {
    if (bookId != 1 && bookId != 3 && bookId != 4 && bookId != 5)
        throw ServerError::invalidArgument("CalcDepr", "The book " + std::to_string(bookId) +
                                                           " is unknown; it must be 1 (Federal), 3 (AMT), "
                                                           "4 (State) or 5 (Other).");
}

std::vector<double> DeprStore::readRates(const std::string& table, const std::string& column) {
    const std::string sql =
        "Select " + column + " From " + table + " Where " + column + " > 0 Order By [year]";
    Statement* statement = nullptr;
    try {
        statement = &conn_.cached(sql);
    } catch (const ServerError& e) {
        if (e.kind() != ErrorKind::Sql)
            throw;
        throw ServerError::invalidArgument("CalcDepr", "There are no MACRS rates " + column + " in " + table +
                                                           " for this convention and life (" +
                                                           e.description() + ").");
    }
    Rewind rewind(*statement);
    std::vector<double> rates;
    while (statement->step())
        rates.push_back(statement->column(0).toDouble());
    return rates;
}

double DeprStore::businessPercent(int year, std::int32_t company, std::int32_t asset) {
    Statement& statement = conn_.cached(kBusinessPercent);
    Rewind rewind(statement);
    statement.bind(1, year).bind(2, company).bind(3, asset);
    if (!statement.step())
        return 0;
    const Variant value = statement.column(0);
    if (value.isNull())
        throw ServerError(kErrInvalidUseOfNull, "CalcDepr",
                          "Invalid use of Null: the business-use fraction of vehicle use in " +
                              std::to_string(year) + " for asset " + std::to_string(asset) + " is empty.",
                          ErrorKind::Conversion);
    return value.toDouble();
}

int DeprStore::yearEndMonth(std::int32_t company) {
    Statement& statement = conn_.cached(kYearEndMonth);
    Rewind rewind(statement);
    statement.bind(1, company);
    if (!statement.step())
        return 12;
    const Variant value = statement.column(0);
    const std::int64_t month = value.isNull() ? 12 : value.toInt64();
    return month >= 1 && month <= 12 ? static_cast<int>(month) : 12;
}

void DeprStore::deleteRows(std::int32_t asset, std::int16_t book) {
    Statement& statement = conn_.cached(kDeleteRows);
    Rewind rewind(statement);
    statement.bind(1, asset).bind(2, book);
    statement.run();
}

namespace {

// Runs an insert of the six row columns (company, book, asset, year, depr, accum_depr) once per row.
void writeEachRow(Statement& statement, std::int32_t company, std::int16_t book, std::int32_t asset,
                  const std::vector<depr::Row>& rows) {
    Rewind rewind(statement);
    for (const depr::Row& row : rows) {
        statement.bind(1, company).bind(2, book).bind(3, asset).bind(4, row.year);
        statement.bind(5, row.depr).bind(6, row.accum);
        statement.run();
        statement.reset();
    }
}

} // namespace

void DeprStore::insertRows(std::int32_t company, std::int16_t book, std::int32_t asset,
                           const std::vector<depr::Row>& rows) {
    writeEachRow(conn_.cached(kInsertRow), company, book, asset, rows);
}

void DeprStore::replaceRows(std::int32_t company, std::int16_t book, std::int32_t asset,
                            const std::vector<depr::Row>& rows) {
    bool consecutive = !rows.empty();
    for (std::size_t i = 1; consecutive && i < rows.size(); ++i)
        consecutive = rows[i].year == rows[i - 1].year + 1;
    if (!consecutive) {
        deleteRows(asset, book);
        insertRows(company, book, asset, rows);
        return;
    }
    {
        Statement& statement = conn_.cached(kDeleteOtherRows);
        Rewind rewind(statement);
        statement.bind(1, asset).bind(2, book).bind(3, rows.front().year).bind(4, rows.back().year);
        statement.bind(5, company);
        statement.run();
    }
    writeEachRow(conn_.cached(kUpsertRow), company, book, asset, rows);
}

void DeprStore::insertRowsWithoutBook(std::int32_t company, std::int32_t asset,
                                      const std::vector<depr::Row>& rows) {
    Statement& statement = conn_.cached(kInsertRowWithoutBook);
    Rewind rewind(statement);
    for (const depr::Row& row : rows) {
        statement.bind(1, company).bind(2, asset).bind(3, row.year).bind(4, row.depr).bind(5, row.accum);
        statement.run();
        statement.reset();
    }
}

void DeprStore::setGainLoss(std::int32_t asset, std::int64_t basis, std::int64_t salesPrice) {
    double highest = 0;
    {
        Statement& query = conn_.cached(kHighestFederalAccum);
        Rewind rewind(query);
        query.bind(1, asset);
        if (query.step()) {
            const Variant value = query.column(0);
            if (!value.isNull())
                highest = value.toDouble();
        }
    }
    writeGainLoss(asset, basis, salesPrice, 1, highest);
}

void DeprStore::writeGainLoss(std::int32_t asset, std::int64_t basis, std::int64_t salesPrice,
                              double business, double highestAccum) {
    const std::int64_t gain =
        static_cast<std::int64_t>(roundHalfEven(business * static_cast<double>(salesPrice) + highestAccum)) -
        basis;
    Statement& update = conn_.cached(kSetGainLoss);
    Rewind rewind(update);
    update.bind(1, gain).bind(2, asset);
    update.run();
}

depr::AutoCaps& threadAutoCaps() {
    return tAutoMaxRates;
}

DeprBatch::DeprBatch(Connection& conn) : conn_(conn), outer_(tBatch) {
    if (sqlite3_get_autocommit(conn.handle()))
        throw ServerError::invalidArgument(
            "CalcDepr", "A batch of depreciation runs needs the caller's open transaction.");
    tBatch = this;
}

DeprBatch::~DeprBatch() {
    tBatch = outer_;
}

void writeRun(Connection& conn, const std::function<void()>& write) {
    DeprBatch* batch = tBatch;
    if (batch && &batch->conn_ == &conn) {
        try {
            write();
        } catch (...) {
            batch->broken_ = true;
            throw;
        }
        return;
    }
    Transaction tx(conn);
    write();
    tx.commit();
}

} // namespace qel
