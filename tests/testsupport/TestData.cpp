// Test rows written on the shared connection, and recordsets read back as text.
#include "tests/testsupport/TestData.h"

#include "common/SqlLiteral.h"
#include "server/data/Database.h"

namespace qel::test {
namespace {

std::string literal(const std::string& value) {
    return sqlText(value);
}
std::string literal(double value) {
    return sqlNumber(value);
}
std::string literal(int value) {
    return sqlNumber(value);
}
std::string literal(bool value) {
    return sqlBool(value);
}

// An INSERT of the columns given a value.
class Insert {
public:
    template <typename T> void set(const char* column, const std::optional<T>& value) {
        if (!value)
            return;
        if (!columns_.empty()) {
            columns_ += ", ";
            values_ += ", ";
        }
        columns_ += column;
        values_ += literal(*value);
    }

    // Runs it on the shared connection; the new row's id.
    std::int64_t run(const std::string& table) const {
        Connection& conn = requireConnection();
        conn.execute("INSERT INTO " + table + " (" + columns_ + ") VALUES (" + values_ + ")");
        return conn.lastInsertRowid();
    }

private:
    std::string columns_;
    std::string values_;
};

} // namespace

std::int32_t addCompany(const std::string& name, int yearEndMonth) {
    requireConnection().execute("INSERT INTO tblCompany ([Company Name], [Year End Month]) VALUES (" +
                                sqlText(name) + ", " + sqlNumber(yearEndMonth) + ")");
    return static_cast<std::int32_t>(requireConnection().lastInsertRowid());
}

std::int32_t addCompany(std::int32_t id, const std::string& name, int yearEndMonth) {
    requireConnection().execute("INSERT INTO tblCompany (id, [Company Name], [Year End Month]) VALUES (" +
                                sqlNumber(id) + ", " + sqlText(name) + ", " + sqlNumber(yearEndMonth) + ")");
    return id;
}

std::int32_t addAsset(const AssetRow& row, const AssetRow& defaults) {
    const auto pick = [](const auto& own, const auto& fallback) { return own ? own : fallback; };
    const auto placed = pick(row.placed, defaults.placed);
    Insert insert;
    insert.set("Company_Id", pick(row.company, defaults.company));
    insert.set("Asset_name", pick(row.name, defaults.name));
    insert.set("depr_method", pick(row.method, defaults.method));
    insert.set("Cost", pick(row.cost, defaults.cost));
    insert.set("[Allowance 30 %]", pick(row.allowance, defaults.allowance));
    insert.set("[179_deduction]", pick(row.section179, defaults.section179));
    insert.set("other_deductions", pick(row.other, defaults.other));
    insert.set("bussiness_percent", pick(row.business, defaults.business));
    insert.set("Type_179", pick(row.type179, defaults.type179));
    insert.set("In_Service_date", placed);
    insert.set("fiscal_start_date", pick(pick(row.fiscalStart, defaults.fiscalStart), placed));
    insert.set("fiscal_end_date", pick(row.fiscalEnd, defaults.fiscalEnd));
    insert.set("fiscal_sold_date", pick(row.sold, defaults.sold));
    insert.set("sold_date", pick(row.soldDate, defaults.soldDate));
    insert.set("sold_amt", pick(row.soldAmt, defaults.soldAmt));
    insert.set("gain_loss", pick(row.gainLoss, defaults.gainLoss));
    insert.set("life", pick(row.life, defaults.life));
    insert.set("convention", pick(row.convention, defaults.convention));
    insert.set("vehicle_num", pick(row.vehicle, defaults.vehicle));
    insert.set("actual_method", pick(row.caption, defaults.caption));
    insert.set("amortize_code", pick(row.amortizeCode, defaults.amortizeCode));
    insert.set("notes", pick(row.notes, defaults.notes));
    insert.set("Id_acct", pick(row.account, defaults.account));
    insert.set("depr_class_id", pick(row.classId, defaults.classId));
    insert.set("book_life", pick(row.bookLife, defaults.bookLife));
    insert.set("book_cost", pick(row.bookCost, defaults.bookCost));
    insert.set("Do_Depr_adj", pick(row.catchUp, defaults.catchUp));
    insert.set("DoImportDepr", pick(row.imported, defaults.imported));
    return static_cast<std::int32_t>(insert.run("tblAssets"));
}

void addDepr(std::int32_t company, int book, std::int64_t asset, int year, double depr, double accum) {
    requireConnection().execute(
        "INSERT INTO tblDepr (client_num, BookId, asset_num, [year], depr, accum_depr) VALUES (" +
        sqlNumber(company) + ", " + sqlNumber(book) + ", " + sqlNumber(asset) + ", " + sqlNumber(year) +
        ", " + sqlNumber(depr) + ", " + sqlNumber(accum) + ")");
}

void addPeriod(std::int32_t company, std::int64_t asset, const std::string& period, double depr, double accum,
               std::int32_t account) {
    requireConnection().execute(
        "INSERT INTO tblPeriodDepr (client_num, asset_num, period, depr, accum_depr, id_acct) VALUES (" +
        sqlNumber(company) + ", " + sqlNumber(asset) + ", " + sqlText(period) + ", " + sqlNumber(depr) +
        ", " + sqlNumber(accum) + ", " + sqlNumber(account) + ")");
}

std::int32_t addAccount(const std::string& descr, const std::string& capital, const std::string& accum,
                        const std::string& depr) {
    requireConnection().execute(
        "INSERT INTO tblAccounts ([Account Descr], [Capital Account], [Accum Acct], [Depr Account],"
        " [Gain Loss Acct]) VALUES (" +
        sqlText(descr) + ", " + sqlText(capital) + ", " + sqlText(accum) + ", " + sqlText(depr) +
        ", '8000')");
    return static_cast<std::int32_t>(requireConnection().lastInsertRowid());
}

std::int32_t addClass(const std::string& descr) {
    requireConnection().execute(
        "INSERT INTO tblDeprClass (Method_ID, Description, [Life], [If Auto - Type], [Amortize #], ID_acct)"
        " VALUES (1, " +
        sqlText(descr) + ", '7', 'N/A', '', 0)");
    return static_cast<std::int32_t>(requireConnection().lastInsertRowid());
}

std::int32_t addLocation(const std::string& shortName) {
    Connection& conn = requireConnection();
    conn.execute("INSERT INTO tblLocations ([Short Location], [Long Location]) VALUES (" +
                 sqlText(shortName) + ", " + sqlText(shortName + " building") + ")");
    return static_cast<std::int32_t>(conn.lastInsertRowid());
}

void addDescription(std::int64_t asset, const std::string& tag, const std::string& serial,
                    std::int32_t location, const std::string& longDescription) {
    requireConnection().execute("INSERT INTO tblAssetDescription ([Asset ID], [Tag Number], [Serial Number],"
                                " Location_id, [Long Description]) VALUES (" +
                                sqlNumber(asset) + ", " + sqlText(tag) + ", " + sqlText(serial) + ", " +
                                sqlNumber(location) + ", " + sqlText(longDescription) + ")");
}

std::vector<std::string> fieldNames(const Recordset& rs) {
    std::vector<std::string> names;
    for (const auto& f : rs.fields())
        names.push_back(f.name);
    return names;
}

std::vector<std::string> column(const Recordset& rs, std::size_t index) {
    std::vector<std::string> values;
    for (const auto& row : rs.rows())
        values.push_back(row.at(index).toString());
    return values;
}

std::vector<std::string> column(const Recordset& rs, const std::string& name) {
    const auto index = rs.indexOf(name);
    EXPECT_NE(index, Recordset::npos) << "no field " << name;
    return index == Recordset::npos ? std::vector<std::string>{} : column(rs, index);
}

} // namespace qel::test
