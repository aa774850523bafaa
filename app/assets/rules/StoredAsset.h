// A stored asset as the asset form shows it again: the row of DeprSupport::GetAsset read into the
// texts and choices of the form's controls, and the bonus box a stored allowance stands for.
#pragma once

#include "app/assets/rules/AssetAmounts.h"
#include "app/assets/rules/AssetSnapshot.h"
#include "common/Recordset.h"

#include <cstdint>
#include <string>

namespace qel::assets {

// One stored asset. A Null never counts as above 0 or as true; a text field that is Null shows
// empty. Amount texts are plain decimal ("1500", "27.5").
struct StoredAsset {
    std::int32_t assetNum = 0;
    std::string description;
    std::string cost;
    bool type179 = false;
    std::string section179;      // "" unless above 0
    std::string method;          // the method's name
    std::string businessPercent; // the stored fraction as a percentage: 0.75 gives "75"
    std::int32_t lifeId = 0;     // position of the life in the method's life list
    std::int32_t classId = 0;    // 0 for none
    std::string life;            // the stored life
    std::string amortizeCode;
    std::string methodCaption;
    std::string otherDeductions; // "" unless above 0
    double allowance = 0;        // dollars
    std::string allowanceText;   // the stored allowance as the label shows it
    std::string inService;       // "mm/yyyy"
    std::int32_t conventionId = 0;
    std::string vehicleNum; // "" unless above 0
    std::string notes;
    bool adjustDepr = false;
    std::string bookLife;
    std::string bookCost;
    std::int32_t accountId = 0;
    bool sold = false;     // a sale later than 1 January 1900
    std::string soldMonth; // "mm/yyyy" when sold
    std::string soldAmt;
    std::string gainLoss;
    std::string tagNbr;
    std::string serialNbr;
    std::int32_t locationId = 0; // 0 for none
};

// The asset of a GetAsset row (fields found by name ignoring case). Throws ServerError when a
// field is missing or holds a value its control cannot show.
StoredAsset StoredAssetOf(const Recordset& row);

// A month as the month boxes show it: "07/2003".
std::string monthText(const Date& month);

// Whether a load fills the stored method's life list and chooses the entry at lifeId: not for
// "Non-Depr" and "S/L", nor for "Amortize" at position 0 (its life is shown as typed).
bool loadsLifeList(const std::string& method, std::int32_t lifeId);

// Whether the asset shown can take a bonus allowance: the method "MACRS" or "MACRS 150", or
// "Listed" above 50 business percent, each with a life (DetermineLife) below 21 years.
bool BonusEligible(const AssetSnapshot& a);

// The bonus box a stored allowance ticks: the allowance over the bonus base (cost x business
// percent x 0.01 - (section 179 + other deductions)), rounded to 2 places half to even, 0.3 the
// 30 % box, 0.5 the 50 % box, 1 the 100 % box; none for any other ratio, an allowance of 0 or
// below, and a base of 0 (no ratio can be formed).
BonusBox StoredBonusBox(const AssetSnapshot& a, double allowance);

// Whether Exclude is ticked for the loaded figures: book life and book cost both 0 and no account.
bool ExcludedFromBook(const std::string& bookLife, const std::string& bookCost, bool accountChosen);

} // namespace qel::assets
