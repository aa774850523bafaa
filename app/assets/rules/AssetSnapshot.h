// AssetSnapshot: what the user typed and chose on the asset form, taken from its controls at
// one moment, and the form's edit flags. The asset rules (validation, derived amounts, the
// schedule buttons) read snapshots only, so they run and are tested without widgets.
//
// Texts are the controls' texts as shown: the two month boxes with their prompt characters
// ("__/____" when nothing is typed), captions of the computed labels as they read. A list
// without a choice gives "" as its text and 0 as its item data.
#pragma once

#include <cstdint>
#include <string>

namespace qel::assets {

// The text of an empty month box ("mm/yyyy" mask, prompt character "_").
inline constexpr const char* kEmptyMonth = "__/____";

struct AssetSnapshot {
    // Search band.
    std::string year; // txtYear, the picker's year filter

    // Asset frame.
    std::string assetId;     // lblAssetId caption; "" for a new asset
    std::string description; // txtDescription
    std::string inService;   // txtInService, calendar month "mm/yyyy"
    std::string tagNbr;      // txtTagNbr
    std::string sold;        // mskSold, calendar month of the disposal "mm/yyyy"
    std::string dispositionAmt;
    std::int32_t locationId = 0; // item data of cboLocations
    bool locationChosen = false;
    std::string account;        // cboAccounts text
    std::int32_t accountId = 0; // item data of cboAccounts
    std::string serialNbr;
    std::string notes;
    std::string amortizeCode; // txtAmorizeCode
    std::string vehicleNum;   // lblAutoNum caption; "" when the asset is no vehicle

    // Federal column.
    std::string cost;
    std::string method;        // cboMethod text
    std::int32_t methodId = 0; // item data of cboMethod
    std::string classText;     // cboClass text: description, 50 blanks, life-vehicle\amortize
    std::int32_t classId = 0;  // item data of cboClass
    bool classChosen = false;
    std::string life;   // cboLife text (chosen or typed)
    int lifeIndex = -1; // position of the chosen life in the method's life list; -1 none
    std::string businessPercent;
    std::int16_t conventionId = 0; // item data of cboConvention (1 Half Year, 2 Mid Qtr, 3 Mid Month, 4 None)
    bool type179 = false;          // chk179
    std::string section179;        // txt179Amt
    bool bonus30 = false;          // chkBonus
    bool bonus50 = false;          // chk50Bonus
    bool bonus100 = false;         // chk100Bonus
    std::string otherDeductions;   // txtOtherDeductions, the salvage row
    std::string allowance;         // lbl30Allowance caption, dollars
    std::string costBasis;         // lblCostBasis caption, whole dollars
    std::string methodCaption;     // lblShowMethod caption

    // Book column.
    std::string bookCost;
    std::string bookLife;
    bool exclude = false;    // chkExclude
    bool adjustDepr = false; // chkAdjDepr
};

// The flags the asset form keeps beside its controls.
struct AssetEditFlags {
    bool assetChanged = false;       // edits not yet saved
    bool descriptionChanged = false; // tag, serial number or location edited
    bool refreshPicker = false;      // the description was typed in: reload the picker after Save
    bool editMode = false;           // a stored asset is shown, so Save updates it
    bool sold = false;               // the shown asset has a stored sale
};

} // namespace qel::assets
