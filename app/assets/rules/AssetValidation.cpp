// The asset validation, rule by rule.
#include "app/assets/rules/AssetValidation.h"

#include "app/assets/rules/AssetAmounts.h"
#include "common/Convert.h"
#include "common/NumberCheck.h"
#include "server/support/AssetCodes.h"

#include <algorithm>
#include <array>
#include <optional>

namespace qel::assets {
namespace {

// Collects the failures of one run.
class Failures {
public:
    explicit Failures(ValidationResult& r) : r_(r) {}

    // A failure: the message appended, the caption (if any) marked red, the field (if any)
    // given the focus.
    void fail(const char* message, const char* caption = nullptr, const char* focus = nullptr) {
        r_.invalid = true;
        r_.message += message;
        if (caption)
            r_.red.emplace_back(caption);
        if (focus)
            r_.focus = focus;
    }
    // A message that stops nothing.
    void warn(const char* message) { r_.message += message; }

private:
    ValidationResult& r_;
};

bool isMacrsLife(double life) {
    static constexpr std::array<double, 10> lives{3, 5, 7, 10, 15, 27.5, 31.5, 39, 20, 50};
    return std::find(lives.begin(), lives.end(), life) != lives.end();
}

// The recovery periods of the 150 % declining-balance rate tables the engine reads
// (tblMacrsHalf150 and the other conventions' tables): a life outside them has no rates to run.
bool isMacrs150Life(double life) {
    static constexpr std::array<double, 6> lives{3, 5, 7, 10, 15, 20};
    return std::find(lives.begin(), lives.end(), life) != lives.end();
}

// The MACRS 31.5 question: only buildings placed in service before 1994 have that life.
bool lifeOf315After1993(const AssetSnapshot& a, const std::optional<Date>& inService) {
    return inService && inService->year() > 1993 && a.method == "MACRS" && a.life == "31.5";
}

} // namespace

ValidationResult ValidateAsset(const AssetSnapshot& a, const ValidationContext& context,
                               const AskOkCancel& ask) {
    ValidationResult result;
    Failures f(result);
    // Cancel shows none of the messages collected so far; the captions stay as marked.
    auto cancelled = [&] {
        result.invalid = true;
        result.cancelled = true;
        result.message.clear();
        return result;
    };
    const std::optional<Date> inService = monthOf(a.inService);

    // 1.
    if (context.flags.sold && !ask("Sold Asset", "This asset is sold. Do you want to update it?"))
        return cancelled();
    // 2.
    if (inService) {
        if (inService->year() < context.workingYear && context.flags.editMode &&
            !ask("Prior year asset.",
                 "This asset was placed in service in a prior year. Do you want to update it?"))
            return cancelled();
    } else {
        f.fail("In service date is invalid! ", "lblInService", "txtInService");
    }
    // 3.
    if (lifeOf315After1993(a, inService) &&
        !ask("MACRS 31.5",
             "This asset has a life of 31.5 which is only for pre 1994 buildings. Do you want to "
             "continue?"))
        return cancelled();
    // 4 to 6.
    if (a.description.empty())
        f.fail("Description Missing! ", "lblDescription", "txtDescription");
    if (leadingNumber(a.cost) == 0)
        f.fail("Cost Missing! ", "lblCost", "txtCost");
    if (a.method.empty())
        f.fail("Method Missing! ", "lblMethod", "cboMethod");
    // 7.
    if (a.inService != kEmptyMonth) {
        const double month = leadingNumber(std::string_view(a.inService).substr(0, 2));
        if (month > 12 || month < 1)
            f.fail("In service date is invalid! ", "lblInService", "txtInService");
        if (inService && *inService > context.today.addMonths(2) &&
            !ask("Future Date.", "The In Service Date is in the future. Do you want to continue?"))
            return cancelled();
    } else {
        f.fail("In service date is missing! ", "lblInService", "txtInService");
    }
    // 8 to 10.
    if (a.life.empty())
        f.fail("Life Missing! ", "lblLife");
    const double life = leadingNumber(a.life);
    if (life > 75)
        f.fail("Life Can't be greater than 75! ", "lblLife", "cboLife");
    if (a.method == "MACRS" && !a.life.empty() && !(isPlainNumber(a.life) && isMacrsLife(life)))
        f.fail("Life must be 3,5,7,10,15,20,27.5,31.5,39,50! ", "lblLife", "cboLife");
    if (a.method == "MACRS 150" && !a.life.empty() && !(isPlainNumber(a.life) && isMacrs150Life(life)))
        f.fail("Life must be 3,5,7,10,15,20! ", "lblLife", "cboLife");
    // 11 and 12.
    if (a.businessPercent.empty())
        f.fail("Business % Can't be blank! ", "lblAutoBusiness", "txtBusinessPercent");
    const double fraction = GetBuisnessPecent(a.businessPercent);
    if (fraction < 0 || fraction > 1)
        f.fail("Invalid Business %! ", "lblAutoBusiness", "txtBusinessPercent");
    else if (fraction > 0 && fraction < 0.5 && (a.method == "MACRS" || a.method == "Listed"))
        f.warn("Business Percent is 50% or less. ADS S/L will be used");
    // 13 and 14.
    if (a.method == "Amortize" && !a.classChosen)
        f.fail("Class can not be blank.", "lblClass", "cboClass");
    if (a.method == "Amortize" && a.amortizeCode.empty())
        f.fail("Amortize code can not be blank.", "lblAmortize", "txtAmorizeCode");
    // 15. The first of the month passes: September 2001 and May 2003 are allowed.
    if (inService) {
        if (a.bonus30 && *inService < Date(2001, 9, 1))
            f.fail("In Service date needs to be greater then Sept 10 2001.", "chkBonus");
        if (a.bonus50 && *inService < Date(2003, 5, 1))
            f.fail("In Service date needs to be greater then May 5 2003.", "chk50Bonus");
    }
    // 16. A sale with no in-service month to compare cannot be placed after it.
    if (a.sold != kEmptyMonth) {
        if (const std::optional<Date> sold = monthOf(a.sold)) {
            if (!inService || *inService > *sold)
                f.fail(" Sold date needs to be greater then In Service Date. ", "lblSoldDate", "mskSold");
            if (a.dispositionAmt.empty())
                f.fail(" Sold amount is missing. ", "lblDispositionAmt", "txtDispositionAmt");
        } else {
            f.fail(" Sold date is invalid. ", "lblSoldDate", "mskSold");
        }
    }
    // 17.
    if (leadingNumber(a.costBasis) < 0)
        f.fail("Basis needs to be greater then zero.");
    // 18.
    if (!a.exclude) {
        if (leadingNumber(a.bookCost) <= 0)
            f.fail("Book Cost need to be greater then zero. ", nullptr, "txtBookCost");
        if (leadingNumber(a.bookLife) <= 0 && a.method != "Non-Depr")
            f.fail("Book Life need to be greater then zero. ", nullptr, "txtBookLife");
        if (a.account.empty())
            f.fail("Account Missing! ", "lblAccount", "cboAccounts");
    }
    // 19.
    if (a.method == "Non-Depr" && (a.life != "0" || a.bookLife != "0"))
        f.fail("Tax and Book Life must be zero. ");
    // 20 to 22.
    const bool halfYearOrMidQtr = a.conventionId == kHalfYear || a.conventionId == kMidQtr;
    if (a.method == "MACRS") {
        if (life > 27 && a.conventionId != kMidMonth)
            f.fail(" convention needs to be 'mid month' ");
        if (life > 0 && life < 27 && !halfYearOrMidQtr)
            f.fail(" convention needs to be 'Mid Qtr' or 'Half Year' ");
    }
    if ((a.method == "MACRS 150" || a.method == "Listed") && !halfYearOrMidQtr)
        f.fail(" convention needs to be 'Mid Qtr' or 'Half Year' ");
    if (a.method == "ADS" && a.conventionId == kNoConvention)
        f.fail(" convention can not be 'None' ");
    // 23. Every typed amount must fit what keeps it: a number that overflows or lies beyond its
    // column would otherwise be stored as something else. (The life and the business percent
    // have their own bounds above.)
    struct NumberField {
        const char* name;
        const std::string& text;
        NumberRange range;
        const char* caption;
        const char* focus;
        bool checked;
    };
    const NumberField numbers[] = {
        {"Cost", a.cost, kDollarRange, "lblCost", "txtCost", true},
        {"179", a.section179, kWholeRange, "txt179Amt", "txt179Amt", true},
        {"Salvage", a.otherDeductions, kDollarRange, nullptr, "txtOtherDeductions", true},
        {"Disposed Amt", a.dispositionAmt, kWholeRange, "lblDispositionAmt", "txtDispositionAmt", true},
        {"Book Cost", a.bookCost, kDollarRange, nullptr, "txtBookCost", !a.exclude},
        {"Book Life", a.bookLife, kLifeRange, nullptr, "txtBookLife", !a.exclude},
    };
    for (const NumberField& n : numbers)
        if (n.checked)
            if (const std::optional<std::string> fault = numberFault(n.name, n.text, n.range))
                f.fail(fault->c_str(), n.caption, n.focus);
    return result;
}

} // namespace qel::assets
