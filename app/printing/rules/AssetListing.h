// The asset listing: every asset of a company (or of one location) as a block of labelled
// fields, two blocks under each page header, in the fixed face so that the fields line up.
//
// The blocks are built from the rows of DeprSupport.GetAssetLedger, read by field name
// (ignoring case). The page headers are lines of the flowing document, numbered by the assets
// (page k stands before asset 2k - 1), not page breaks of the paper.
#pragma once

#include "app/printing/rules/RichDocument.h"
#include "common/Date.h"
#include "common/Recordset.h"

#include <cstdint>
#include <string>

namespace qel::printing {

// Appends one page header block: an empty line, the company name, the date and the page
// number, a rule, the title "Asset Listing" and a second rule.
void addListingPageHeader(RichDocument& doc, const std::string& companyName, std::int32_t page,
                          const Date& today);

// Appends the block of the recordset's current row.
void addAssetBlock(RichDocument& doc, const Recordset& ledger);

// The whole listing of the recordset's rows from its first, in their order: the header of page
// 1, then each asset's block, and after every second asset the next page's header while assets
// remain. An empty recordset gives an empty document.
RichDocument buildAssetListing(Recordset& ledger, const std::string& companyName, const Date& today);

// The tax basis of a row: cost times business fraction, less the special allowance, the
// section 179 deduction and the other deductions, rounded to whole dollars (half to even); a
// Null counts 0.
double taxBasis(const Recordset& ledger);

} // namespace qel::printing
