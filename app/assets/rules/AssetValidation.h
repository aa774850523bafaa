// ValidateAsset: the check of the asset form's Federal fields before every save. It asks up to
// four OK/Cancel questions (Cancel stops it and the save at once), then applies its rules in a
// fixed order and collects one message per failure; the form marks the named captions red, puts
// the focus on the last field named, and shows the messages run together in red on the status
// line.
#pragma once

#include "app/assets/rules/AssetSnapshot.h"
#include "common/Date.h"

#include <functional>
#include <string>
#include <vector>

namespace qel::assets {

// The captions the validation turns back to black before its rules run, in this order (the
// text of txt179Amt turns blue). lblAccount is not among them: only a new asset resets it.
inline constexpr const char* kValidatedCaptions[] = {
    "lblDescription",  "lblCost",       "lblMethod",         "lblLife",     "lblInService",
    "lblAutoBusiness", "lblVehicleNum", "lblDispositionAmt", "lblSoldDate", "lblClass",
    "chkBonus",        "chk50Bonus",    "chk100Bonus",       "lblAmortize",
};

// What the validation knows besides the form.
struct ValidationContext {
    AssetEditFlags flags; // editMode and sold are read
    int workingYear = 0;
    Date today; // the present date; a later in-service month than two months from it is asked about
};

// An OK/Cancel question: true for OK.
using AskOkCancel = std::function<bool(const std::string& title, const std::string& text)>;

struct ValidationResult {
    bool invalid = false;   // the asset may not be saved (a rule failed, or a question was cancelled)
    bool cancelled = false; // a question was answered Cancel: no message is shown, no later rule runs
    // The messages in rule order, run together as the status line shows them (each carries its
    // own blanks).
    std::string message;
    // The controls whose caption turns red, in the order the rules name them.
    std::vector<std::string> red;
    // The field that ends with the focus (the last one a rule names); "" when none.
    std::string focus;
};

// The rules, in order:
//  1. a sold asset: "This asset is sold. Do you want to update it?";
//  2. an in-service month that is no month is invalid; a stored asset placed in service before
//     the working year: "This asset was placed in service in a prior year. ...";
//  3. MACRS 31.5 after 1993: "This asset has a life of 31.5 which is only for pre 1994 buildings. ...";
//  4-6. description, cost and method missing;
//  7. in-service month outside 1 to 12, or more than two months ahead (asked), or missing;
//  8-10. life missing, above 75, or not a life of the MACRS or MACRS 150 rate tables;
//  11-12. business percent blank; a fraction below 0 or above 1 is invalid for every method;
//     below 0.5 for MACRS and Listed a warning only;
//  13-14. Amortize without a class or code;
//  15. the 30 % bonus before September 2001, the 50 % bonus before May 2003;
//  16. a sale before the in-service month, without an amount, or no month;
//  17. a negative cost basis;
//  18. unless Exclude is ticked: book cost, book life and account;
//  19. Non-Depr with a tax or book life other than "0";
//  20-22. the convention of MACRS, MACRS 150, Listed and ADS;
//  23. an amount (cost, 179, salvage, disposal, and unless Exclude is ticked book cost and book
//     life) that does not fit its column (common/NumberCheck.h), named with what was typed.
ValidationResult ValidateAsset(const AssetSnapshot& a, const ValidationContext& context,
                               const AskOkCancel& ask);

} // namespace qel::assets
