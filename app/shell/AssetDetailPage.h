// AssetDetailPage: what the asset form shows of the tax book of one asset, as the texts and
// captions of its controls read at one moment (saved or not), handed to printing for the
// "Asset Detail" page. Plain data, so the asset form and printing need not know each other.
#pragma once

#include <cstdint>
#include <string>

namespace qel {

struct AssetDetailPage {
    std::string description;     // txtDescription
    std::string assetId;         // lblAssetId caption
    std::string method;          // cboMethod text ("MACRS", "ADS", ...)
    std::string life;            // cboLife text
    std::string amortizeCode;    // txtAmorizeCode
    std::string cost;            // txtCost, as typed
    std::string methodCaption;   // lblShowMethod caption ("200 DB", ...)
    std::string businessPercent; // txtBusinessPercent, as typed ("100")
    std::string section179;      // txt179Amt
    std::string otherDeductions; // txtOtherDeductions
    std::string allowance;       // lbl30Allowance caption
    std::string costBasis;       // lblCostBasis caption
    // The convention as DetermineConvention gives it: 1 Half Year, 2 Mid Qtr, 3 Mid Month, 4
    // any other text, 0 when it failed.
    std::int16_t convention = 0;
    std::string inService;      // txtInService, "mm/yyyy"
    std::string classText;      // cboClass text: the class description padded, then its codes
    std::string vehicleNum;     // lblAutoNum caption; "" for no vehicle
    std::string notes;          // txtNotes
    std::string tagNbr;         // txtTagNbr
    std::string serialNbr;      // txtSerialNbr
    std::string location;       // cboLocations text
    std::string sold;           // mskSold text, "__/____" when no disposal is entered
    std::string dispositionAmt; // txtDispositionAmt
    std::string gainLoss;       // lblGainLoss caption
};

// The text of the empty disposal month box.
inline constexpr const char* kNoDisposalMonth = "__/____";

} // namespace qel
