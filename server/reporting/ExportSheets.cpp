// The Excel exports of DeprSupport: each writes one data set of a company into a new workbook
// with one sheet, titled as the report windows title the same data.
//
// Every export reads through the report queries on the shared connection, so a sheet holds the
// rows its report shows: the tax worksheet ("TaxDepr"), the depreciation journal entry of a
// period per asset ("BookDetailDeprJV") and per account pair ("BookSummaryDeprJV"), the
// property tax listing of a period ("PropertyTax"), the asset listing ("AssetListing") and the
// book asset ledger of a period ("AssetLedger"). The workbook reaches its path only when it is
// complete (ExportWorkbook); a failure leaves no file there.
#include "server/reporting/ExportWorkbook.h"
#include "server/reporting/ReportStatements.h"
#include "server/support/DeprSupport.h"

#include "common/ServerError.h"

#include <cstdint>
#include <limits>
#include <string_view>

namespace qel {
namespace {

// The fiscal year of the tax export, given as text: a number (a fraction rounds half to even)
// within the 16-bit range. Throws ServerError (kind Conversion) otherwise.
std::int16_t yearFromText(const std::string& text) {
    const std::int32_t year = Variant(text).toInt32();
    if (year < std::numeric_limits<std::int16_t>::min() || year > std::numeric_limits<std::int16_t>::max())
        throw ServerError(kErrOverflow, "DeprSupport",
                          "Overflow: the fiscal year " + text + " does not fit a 16-bit number.",
                          ErrorKind::Conversion);
    return static_cast<std::int16_t>(year);
}

// The asset listing of every location as the report lists it, except that an asset whose
// convention has no row stays in the sheet with an empty Abbreviation, as assets without a class
// do: an export of the company's assets that drops some of them silently is no listing.
report::ReportStatement assetListing(std::int32_t companyId) {
    return report::assetLedger(companyId, report::kAllLocations, report::ConventionJoin::Left);
}

// The report's journal entries leave the other side of a line blank (a text of blanks).
bool isBlank(const Variant& value) {
    return value.isText() && value.toString().find_first_not_of(' ') == std::string::npos;
}

// A journal entry (fields Debit and Credit) as its sheet holds it: every debit line (a blank
// Credit), then every credit line, each block in the recordset's order, the blank side of a line
// written as the number 0.
void addJournal(report::ExportWorkbook& book, const Recordset& rs) {
    const std::size_t debit = rs.indexOf("Debit");
    const std::size_t credit = rs.indexOf("Credit");
    if (debit == Recordset::npos || credit == Recordset::npos)
        throw ServerError(kErrDatabase, "DeprSupport", "The journal entry has no Debit or Credit field.",
                          ErrorKind::Sql);
    book.addTitles(report::titlesOf(rs));
    for (const bool debitLines : {true, false}) {
        for (const RecordsetRow row : rs.rows()) {
            if (isBlank(row[credit]) != debitLines)
                continue;
            std::vector<Variant> cells = row.values();
            for (const std::size_t side : {debit, credit})
                if (isBlank(cells[side]))
                    cells[side] = Variant(0.0);
            book.addRow(cells);
        }
    }
}

} // namespace

bool DeprSupport::ExportDeprJVDetail(const std::string& strPeriod, std::int32_t lngCompany,
                                     const std::string& strExcelPath) {
    return passOn("DeprSupport", "ExportDeprJVDetail", [&] {
        report::ExportWorkbook book(strExcelPath, "BookDetailDeprJV");
        addJournal(book, DeprJvDetail(lngCompany, strPeriod));
        book.commit();
        return true;
    });
}

bool DeprSupport::ExportDeprJVSummary(const std::string& strPeriod, std::int32_t lngCompany,
                                      const std::string& strExcelPath) {
    return passOn("DeprSupport", "ExportDeprJVSummary", [&] {
        report::ExportWorkbook book(strExcelPath, "BookSummaryDeprJV");
        addJournal(book, DeprJvSummary(lngCompany, strPeriod));
        book.commit();
        return true;
    });
}

bool DeprSupport::ExportPropertyTax(const std::string& strPeriod, std::int32_t lngCompany,
                                    const std::string& strExcelPath) {
    return passOn("DeprSupport", "ExportPropertyTax", [&] {
        report::ExportWorkbook book(strExcelPath, "PropertyTax");
        const Recordset rs = GetPropertTaxData(lngCompany, strPeriod);
        // The report titles the class column "Asset Class"; the sheet calls it "Category".
        std::vector<std::string> titles = report::titlesOf(rs);
        titles.at(0) = "Category";
        report::addRecordset(book, rs, titles);
        book.commit();
        return true;
    });
}

bool DeprSupport::ExportTaxWorksheet(const std::string& strPeriod, std::int32_t lngCompany,
                                     const std::string& strExcelPath) {
    return passOn("DeprSupport", "ExportTaxWorksheet", [&] {
        const std::int16_t year = yearFromText(strPeriod);
        report::ExportWorkbook book(strExcelPath, "TaxDepr");
        report::addRecordset(book, GetAssetWrkSheet(lngCompany, year));
        book.commit();
        return true;
    });
}

bool DeprSupport::ExportAssetListing(const std::string&, std::int32_t lngCompany,
                                     const std::string& strExcelPath) {
    return passOn("DeprSupport", "ExportAssetListing", [&] {
        report::ExportWorkbook book(strExcelPath, "AssetListing");
        report::addRecordset(book, report::run(assetListing(lngCompany)));
        book.commit();
        return true;
    });
}

bool DeprSupport::ExportBookAssetLedger(const std::string& strPeriod, std::int32_t lngCompanyId,
                                        const std::string& strExcelPath) {
    return passOn("DeprSupport", "ExportBookAssetLedger", [&] {
        report::ExportWorkbook book(strExcelPath, "AssetLedger");
        // The rebuild and the read of the ledger run in one transaction on the shared
        // connection, so the sheet holds this call's own ledger.
        report::addRecordset(book, GetBookAssetLedger(lngCompanyId, strPeriod));
        book.commit();
        return true;
    });
}

} // namespace qel
