// DeprSupport.ImportAssetsFromExcel: appends the assets of an import workbook to tblAssets,
// each row marked DoImportDepr for the processing that follows.
//
// The sheet holds one asset per row from row 2 until the first row whose column A is empty;
// columns A to S map to the asset's fields. The workbook is read directly (no spreadsheet
// program) and the whole import is one transaction: a row that cannot be stored stores none,
// and the error names the row and the column. A cell the import reads that holds an error
// result, or a value the reader cannot make out, refuses its row: nothing is stored in its
// place.
#include "server/support/DeprSupport.h"

#include "common/Convert.h"
#include "common/ServerError.h"
#include "common/SqlLiteral.h"
#include "common/Text.h"
#include "common/Workbook.h"
#include "server/support/ImportSheet.h"

#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace qel {
namespace {

using namespace import;

// The field each column sets, as the messages name it.
constexpr const char* kFields[] = {
    "Company_Id", "Asset_Name",        "Cost",       "Allowance 30 %", "depr_method", "In_service_date",
    "Type_179",   "179_deduction",     "convention", "life",           "vehicle_num", "book_life",
    "book_cost",  "bussiness_percent", "Id_acct",    "sold_Date",      "Sold_Amt",    "other_deductions",
    "notes",
};
static_assert(std::size(kFields) == kNotes);

// The longest texts kept, in characters.
constexpr std::size_t kNameLength = 44;
constexpr std::size_t kNotesLength = 75;

// The fields of one sheet row, read as the import stores them.
struct AssetRow {
    std::int32_t company = 0;
    std::string name;
    double cost = 0;
    double allowance = 0;
    std::int32_t method = 0;
    Date inService;
    bool type179 = false;
    double deduction179 = 0;
    std::int32_t convention = 0;
    double life = 0;
    bool vehicle = false; // stored as vehicle_num -1, "needs a number"
    double bookLife = 0;
    double bookCost = 0;
    double businessPercent = 1;
    std::int32_t account = 0;
    std::optional<Date> soldDate;
    double soldAmount = 0;
    std::optional<double> otherDeductions;
    std::string notes;
};

// Reads the cells of the workbook's current row; every value that the column cannot take is
// refused with the row, the column and the value.
class RowReader {
public:
    RowReader(const Workbook& book, std::int32_t company) : book_(book), company_(company) {}

    AssetRow read() const {
        // A cell that holds an error, or a value that cannot be read, is never taken for an
        // empty cell: the row is refused.
        for (int column = kCompany; column <= kNotes; ++column) {
            const CellFlaw* flaw = book_.flaw(column);
            if (!flaw)
                continue;
            if (flaw->kind == CellFlaw::Kind::Error)
                refuse(column, "the cell holds the error " + flaw->text + ".");
            refuse(column, "the cell's value cannot be read: " + flaw->text + ".");
        }
        AssetRow r;
        r.company = companyOf();
        r.name = noQuote(firstCharacters(text(kName), kNameLength));
        r.cost = number(kCost);
        r.allowance = number(kAllowance);
        r.method = whole(kMethod);
        r.inService = requiredDate(kInService);
        r.type179 = yesNo(kType179);
        r.deduction179 = number(kDeduction179);
        r.convention = whole(kConvention);
        r.life = number(kLife);
        r.vehicle = isVehicleMark(book_.cell(kVehicle));
        r.bookLife = number(kBookLife);
        r.bookCost = number(kBookCost);
        // No fraction given means full business use.
        r.businessPercent = number(kBusinessPercent);
        if (r.businessPercent == 0)
            r.businessPercent = 1;
        r.account = wholeOfNumber(kAccount);
        const std::string sold = text(kSoldDate);
        if (sold != "" && sold != " ")
            r.soldDate = date(kSoldDate);
        r.soldAmount = number(kSoldAmount);
        if (!isEmptyCell(book_.cell(kOtherDeductions)))
            r.otherDeductions = number(kOtherDeductions);
        r.notes = noQuote(firstCharacters(text(kNotes), kNotesLength));
        return r;
    }

private:
    // The cell's value as text, as the system shows it (numbers in plain decimal, Yes/No as
    // True or False, an empty cell as "").
    std::string text(int column) const { return book_.cell(column).toString(); }

    // Refuses the row: "Row <r>, column <C> (<field>): <what>".
    [[noreturn]] void refuse(int column, const std::string& what) const {
        throw ServerError(kTypeMismatch, "DeprSupport",
                          "Row " + std::to_string(book_.row()) + ", column " + columnName(column) + " (" +
                              kFields[column - 1] + "): " + what,
                          ErrorKind::Conversion);
    }

    std::string shown(int column) const {
        const Variant& v = book_.cell(column);
        return v.isText() ? "the text '" + v.toString() + "'" : "the value " + v.toString();
    }

    // The leading number of the cell's text: a number cell gives its value (to the 15
    // significant digits it shows), an empty or blank cell 0, a text its number when the whole
    // text is one. Any other text ("1,250", "12.5%", "abc") is refused rather than read in part.
    double number(int column) const {
        const Variant& v = book_.cell(column);
        if (const auto n = cellNumber(v))
            return *n;
        if (isBlankCell(v))
            return 0;
        refuse(column, shown(column) + " is not a number.");
    }

    // A whole number, half to even, within the range of the column.
    std::int32_t wholeOfNumber(int column) const {
        const double n = roundHalfEven(number(column));
        if (!(n >= std::numeric_limits<std::int32_t>::min() && n <= std::numeric_limits<std::int32_t>::max()))
            refuse(column, shown(column) + " is out of range.");
        return static_cast<std::int32_t>(n);
    }

    // An id the column stores unchanged: a whole number that must be there.
    std::int32_t whole(int column) const {
        if (isEmptyCell(book_.cell(column)))
            refuse(column, "the cell is empty.");
        const double n = number(column);
        if (n != std::floor(n) ||
            !(n >= std::numeric_limits<std::int32_t>::min() && n <= std::numeric_limits<std::int32_t>::max()))
            refuse(column, shown(column) + " is not a whole number.");
        return static_cast<std::int32_t>(n);
    }

    std::int32_t companyOf() const {
        const Variant& v = book_.cell(kCompany);
        const std::optional<double> n = cellNumber(v);
        if (!n || *n != company_)
            throw ServerError::invalidArgument(
                "DeprSupport", "Row " + std::to_string(book_.row()) + ": the company in column A (" +
                                   v.toString() + ") is not the company being imported into (" +
                                   std::to_string(company_) + ").");
        return company_;
    }

    Date date(int column) const {
        const Variant& v = book_.cell(column);
        const std::optional<Date> d = cellDate(book_, v);
        if (!d)
            refuse(column, shown(column) + " is not a date.");
        return *d;
    }

    Date requiredDate(int column) const {
        if (isEmptyCell(book_.cell(column)))
            refuse(column, "the cell is empty.");
        return date(column);
    }

    bool yesNo(int column) const {
        const Variant& v = book_.cell(column);
        if (v.isBool())
            return v.toBool();
        if (v.isNumber()) // a 1 or 0 typed in place of TRUE or FALSE
            return v.toDouble() != 0;
        const std::string t = trimmedLower(v.toString());
        if (t == "true")
            return true;
        if (t == "false")
            return false;
        refuse(column, isEmptyCell(v) ? "the cell is empty." : shown(column) + " is not TRUE or FALSE.");
    }

    const Workbook& book_;
    std::int32_t company_;
};

// The insert of one row. Fields the row does not set (vehicle_num, sold_date and
// other_deductions when their cells are empty) are left out, so they keep the table's defaults.
std::string insertStatement(const AssetRow& r) {
    std::string columns =
        "Company_Id, Asset_Name, Cost, [Allowance 30 %], depr_method, In_service_date, Type_179,"
        " [179_deduction], convention, life, book_life, book_cost, bussiness_percent, Id_acct,"
        " Sold_Amt, notes, Depr_Class_Id, DoImportDepr";
    std::string values = "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 1";
    if (r.vehicle) {
        columns += ", vehicle_num";
        values += ", -1";
    }
    if (r.soldDate) {
        columns += ", sold_Date";
        values += ", ?";
    }
    if (r.otherDeductions) {
        columns += ", other_deductions";
        values += ", ?";
    }
    return "INSERT INTO tblAssets (" + columns + ") VALUES (" + values + ")";
}

void store(Connection& conn, const AssetRow& r) {
    Statement& st = conn.cached(insertStatement(r));
    int i = 0;
    for (const Variant& v :
         {Variant(r.company), Variant(r.name), Variant(r.cost), Variant(r.allowance), Variant(r.method),
          Variant(r.inService), Variant(r.type179), Variant(r.deduction179), Variant(r.convention),
          Variant(r.life), Variant(r.bookLife), Variant(r.bookCost), Variant(r.businessPercent),
          Variant(r.account), Variant(r.soldAmount), Variant(r.notes)})
        st.bind(++i, v);
    if (r.soldDate)
        st.bind(++i, Variant(*r.soldDate));
    if (r.otherDeductions)
        st.bind(++i, Variant(*r.otherDeductions));
    st.run();
}

} // namespace

bool DeprSupport::ImportAssetsFromExcel(std::int32_t lngCompany, const std::string& strExcelPath) {
    return passOn("DeprSupport", " ImportAssetsFromExcel", [&] {
        Connection& conn = requireConnection();
        Workbook book(strExcelPath);
        const RowReader reader(book, lngCompany);
        Transaction tx(conn);
        while (nextAssetRow(book)) {
            const AssetRow row = reader.read();
            try {
                store(conn, row);
            } catch (const ServerError& e) {
                throw ServerError(e.number(), e.source(),
                                  "Row " + std::to_string(book.row()) + ": " + e.description(), e.kind());
            }
        }
        tx.commit();
        return true;
    });
}

} // namespace qel
