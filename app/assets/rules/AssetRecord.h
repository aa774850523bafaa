// The asset record a save writes: the working values derived once from the asset form
// (AssetRecordOf), and the statements built from them: the value list of a new asset
// (DeprSupport::AddAsset), the UPDATE of a stored one, the three statements of its description
// row and the five that delete an asset. Every value reaches SQL through the literal helpers of
// common/SqlLiteral.h as a checked number, a date or a text with its apostrophes replaced.
#pragma once

#include "app/assets/rules/AssetSnapshot.h"
#include "common/Date.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qel::assets {

struct AssetRecord {
    std::int32_t companyId = 0;
    std::string description; // as typed
    double cost = 0;         // dollars: the leading number of the cost box
    double allowance = 0;    // special depreciation allowance, dollars (the allowance caption)
    double section179 = 0;   // dollars
    Date inService;          // calendar in-service month, first day
    std::int32_t methodId = 0;
    std::string method;             // the method's text ("MACRS", "Listed", ...)
    double life = 0;                // years as typed or from the class (27.5 stays 27.5)
    std::int16_t conventionId = 0;  // 0 when none is chosen
    double otherDeductions = 0;     // salvage, dollars
    double businessFraction = 1;    // 1 = all business use
    Date soldDate = Date::noDate(); // calendar month of the sale, first day
    double soldAmt = 0;             // dollars
    std::string notes;              // without blanks at either end
    std::int32_t classId = 0;       // 0 when none is chosen
    std::int32_t lifeId = 0;        // position of the life in the method's life list; 0 when none
    double amortizeCode = 0;        // the class's amortization number for "Amortize"; else 0
    std::int32_t vehicleNum = 0;    // 0 for no vehicle
    std::string methodCaption;      // SavedMethodCaption ("200 DB"), whatever the form's label shows
    bool type179 = false;           // section 179 property: the 179 box ticked on declining-balance property
    Date fiscalStart;               // fiscal in-service month: the fiscal month and year, first day
    Date fiscalEnd;                 // the end of the book life (BookLifeEnd)
    Date fiscalSold = Date::noDate(); // fiscal month of the sale; no date when not sold
    std::int32_t bonusChoice = 0;     // the ticked bonus box in tenths (3, 5, 10); 0 for none
    bool exclude = false;             // the financial book's four columns are left as stored
    bool adjustDepr = false;
    double bookLife = 0; // years
    double bookCost = 0; // dollars
    std::int32_t accountId = 0;
    std::string vehicleType = "N";    // "N" no vehicle, else the class's vehicle letter
    double costBasis = 0;             // the Federal depreciable basis, whole dollars
    std::int64_t wholeSection179 = 0; // the section 179 amount, whole dollars (half to even)
    std::int64_t wholeSoldAmt = 0;    // the disposal amount, whole dollars (half to even)
};

// The working values of the asset on the form, for a company whose fiscal year ends in
// yearEndMonth (1 to 12). Numbers are the leading numbers of their boxes; the cost basis is
// computed afresh (CalculateCostBasis), the method caption and the section 179 flag from the
// method, life and business use (SavedMethodCaption, IsDecliningBalance). Throws ServerError when the
// in-service or sale month is no month, the life is no number, or an amount does not fit its whole-number
// column.
AssetRecord AssetRecordOf(const AssetSnapshot& a, std::int32_t companyId, int yearEndMonth);

// The vehicle letter of the chosen class: the character after the first "-" of the class text's
// last 13 characters ("G", "E", "T", "N" for no vehicle; "" when "-" ends them; the first of the
// 13 when there is no "-"). "N" when no class is chosen.
std::string DetermineAutoType(const AssetSnapshot& a);

// The values of a new asset as DeprSupport::AddAsset takes them, in its column order: 24 (the
// last the bonus box) when Exclude is ticked, else 28 with Do_Depr_adj, book_life, book_cost and
// Id_acct.
std::string AssetValues(const AssetRecord& r);

// The UPDATE of the stored asset: the same columns but Company_Id (the four financial-book ones
// only without Exclude), by its number.
std::string UpdateAssetSql(const AssetRecord& r, std::int32_t assetNum);

// The description row: tag and serial number as typed, the location when one is chosen.
struct AssetDescription {
    std::string tagNbr;
    std::string serialNbr;
    std::optional<std::int32_t> locationId; // none: the column keeps its default
};
AssetDescription AssetDescriptionOf(const AssetSnapshot& a);

// The three statements that rewrite the asset's description row: delete, insert the key, set
// tag, serial number, the location when chosen, and an empty long description.
std::vector<std::string> DescriptionSql(std::int32_t assetNum, const AssetDescription& d);

// The five statements that delete an asset of a company with everything stored for it, in this
// order: its row, its description row, its yearly rows of every book, its monthly rows, its
// alternative books.
std::vector<std::string> DeleteAssetSql(std::int32_t assetNum, std::int32_t companyId);

} // namespace qel::assets
