// The statements of DeprSupport's report queries, one builder per query, for the arguments the
// query receives. Each returns the statement text with the shapes of its computed columns; the
// DeprSupport members run them (ReportFrame.h). Values enter the text only through the literal
// helpers; a period text is checked first (report::periodDate).
#pragma once

#include "server/reporting/ReportFrame.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qel::report {

// Federal tax book (book 1).
ReportStatement assetWrkSheet(std::int32_t companyId, std::int16_t year);
ReportStatement newAssetWrkSheet(std::int32_t companyId, std::int16_t year);
ReportStatement currentWrkSheet(std::int32_t companyId, std::int16_t year);
ReportStatement wrkSheet179(std::int32_t companyId, std::int16_t year);
ReportStatement newAssets(std::int32_t companyId, std::int16_t year);
ReportStatement disposedAssets(std::int32_t companyId, std::int16_t year);
ReportStatement detailDepr(std::int32_t companyId, std::int16_t year);
ReportStatement amtDifferences(std::int32_t companyId, std::int16_t year);

// Alternative books (3 AMT, 4 State, 5 Other).
ReportStatement booksAssetWrkSheet(std::int32_t companyId, std::int16_t year, std::int16_t bookId);
ReportStatement newBooksAssetWrkSheet(std::int32_t companyId, std::int16_t year, std::int16_t bookId);
ReportStatement books179WrkSheet(std::int32_t companyId, std::int16_t year, std::int16_t bookId);
ReportStatement booksNewAssets(std::int32_t companyId, std::int16_t year, std::int16_t bookId);
ReportStatement booksDisposedAssets(std::int32_t companyId, std::int16_t year, std::int16_t bookId);
ReportStatement books50YearAssets(std::int32_t companyId, std::int16_t year, std::int16_t bookId);

// Financial book by fiscal period "YYYYMM".
ReportStatement deprJvSummary(std::int32_t companyId, std::string_view period);
ReportStatement deprJvDetail(std::int32_t companyId, std::string_view period);
ReportStatement finanicalDisposedAssets(std::int32_t companyId, std::string_view period);
ReportStatement propertTaxData(std::int32_t companyId, std::string_view period);
// The property tax listing held at the end of a fiscal year: at its last fiscal period.
ReportStatement propertTax(std::int32_t companyId, std::int16_t year);

// Schedules and listings.
ReportStatement deprSchedule(std::int32_t assetNum, std::int16_t bookId);
ReportStatement bookDeprSchedule();
ReportStatement glAccounts();
ReportStatement tagNumToAssetId(std::int32_t companyId);
// How the asset listing joins the convention: the report keeps only assets whose convention has
// a row; the export keeps every asset, with an empty abbreviation where there is none.
enum class ConventionJoin { Inner, Left };
ReportStatement assetLedger(std::int32_t companyId, std::int32_t locationId,
                            ConventionJoin conventionJoin = ConventionJoin::Inner);

} // namespace qel::report
