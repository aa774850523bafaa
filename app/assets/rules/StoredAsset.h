// A stored asset as the asset form shows it again: the row of DeprSupport::GetAsset read into the
// texts and choices of the form's controls, and the bonus box a stored allowance stands for.
#pragma once

#include "app/assets/rules/AssetAmounts.h"
#include "app/assets/rules/AssetSnapshot.h"
#include "common/Recordset.h"

#include <cstdint>
#include <optional>
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
    // The bonus box the form saved, in tenths (3, 5, 10; 0 none); nothing when no form saved the
    // asset (an imported one).
    std::optional<std::int32_t> bonusChoice;
    std::string inService; // "mm/yyyy"
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

// The bonus box the stored asset ticks: the box saved with it (its tenths: 3 the 30 % box, 5 the
// 50 % box, 10 the 100 % box, any other none); for an asset saved without one, the box whose
// allowance on the form's figures (CalculateBonusAllowance, as its caption reads) is exactly the
// stored allowance caption, none when no box's is. Never a box guessed from a rounded ratio: an
// allowance lowered to a vehicle's limit fits no box.
BonusBox StoredBonusBox(const AssetSnapshot& a, const std::string& allowanceCaption,
                        std::optional<std::int32_t> savedChoice);

// Whether Exclude is ticked for the loaded figures: book life and book cost both 0 and no account.
bool ExcludedFromBook(const std::string& bookLife, const std::string& bookCost, bool accountChosen);

} // namespace qel::assets
