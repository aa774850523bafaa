// The asset form's field rules as decisions: what the form does while the user types and leaves
// fields. Each rule reads what the form shows (a snapshot or a few texts) and says what changes;
// the form (AssetFieldRules.h) applies it to its controls. The rules guide entry only: they never
// refuse a value or keep the focus; the save's validation checks the asset as a whole.
//
// Method names are compared exactly, as every asset rule compares them (server/support/AssetCodes.h).
#pragma once

#include "app/assets/rules/AssetAmounts.h"
#include "app/assets/rules/AssetSnapshot.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qel::assets {

// The numeric key filter of the number fields: a full stop, a control key (code below 32) and a
// digit pass; anything else is dropped with a beep. Several full stops pass; signs, commas and
// letters do not.
bool NumericKeyPasses(char32_t key);
// An inserted text (a paste) passes when every character of it would pass the filter.
bool NumericTextPasses(std::u32string_view text);

// The amount echo on the status line while an amount is typed: the text as a number with
// thousands separators and no decimals ("1000" gives "1,000", "12.5" gives "13", halves away
// from zero); 0 and the empty text give "", a text that is no number comes back unchanged.
std::string AmountEcho(std::string_view text);

// The method caption of a column: ShowMethod of the method and the leading number of the life
// text rounded half to even to whole years. A life beyond the 16-bit range is taken as the
// nearest year that fits (for "MACRS" a life above 20 years shows "S/L" however long it is).
std::string MethodCaption(std::string_view method, std::string_view lifeText);

// How a rule switches the section 179 amount and the three bonus boxes.
enum class Deductions {
    Keep,
    // Tick the 179 box, switch the 179 amount on, enable the bonus boxes (their ticks stay).
    On,
    // Untick the 179 box, empty the 179 amount and switch it off, disable the bonus boxes but
    // leave their ticks: the method rule, which a later method may switch on again.
    OffKeepBonusTicks,
    // Empty the allowance, untick and disable the bonus boxes (30 %, 50 %, 100 %), untick the
    // 179 box, empty the 179 amount and switch it off.
    Off,
};

// Positions of the convention list, which lists the conventions by description.
inline constexpr int kHalfYearEntry = 0;
inline constexpr int kMidMonthEntry = 1;

// Leaving the method list.
struct MethodRule {
    bool classesAndLives = false; // fill the class list (and switch it on) and the life list for the method
    bool lifeLocked = false;      // switch the life list off: a "Listed" life comes from the class
    Deductions deductions = Deductions::Keep;
    bool recomputeBasis = false;
    bool amortizeCode = false; // the amortization code box on ("Amortize"), else off
    int convention = -1;       // the convention list's choice: kHalfYearEntry or none
    bool zeroLives = false;    // "Non-Depr": the life and the book life become "0"
};
// The method list always loses its class choice first and switches the class list off; a method
// with classes switches it on again.
MethodRule MethodLeft(std::string_view method, bool chosen);

// Leaving the class list with a class chosen.
struct ClassRule {
    bool midMonth = false; // the convention list selects "Mid Month"
    Deductions deductions = Deductions::Off;
    bool vehicle = false;     // a vehicle class: a new vehicle number when none is shown; else none
    std::string amortizeCode; // the amortization code box's text ("" empties it)
    // The class's life as the life list's entries read ("27.5"), to be chosen (the first entry
    // when none reads so); nothing: the life list loses its choice.
    std::optional<std::string> classLife;
};
// Nothing when no class is chosen. A life that is no number counts as 0.
std::optional<ClassRule> ClassLeft(const AssetSnapshot& a);

// Whether opening the class list empties the life list's text, so that the class brings its own
// life ("MACRS 150", "MACRS", "ADS").
bool ClassListClearsLife(std::string_view method);

// Whether the life list's life replaces the chosen class's, so that the class list loses its
// choice: for "Listed", "ADS", "MACRS 150" and "MACRS" when a class is chosen and the life, typed
// or chosen, differs as a number from the life the class gave (its own life as ClassLeft reads
// it; none counts as 0). The class's own life, left as it came or typed again, keeps the class.
bool LifeReplacesClass(const AssetSnapshot& a);

// Leaving the life list.
struct LifeRule {
    bool clearClass = false; // LifeReplacesClass
    int convention = -1;     // kMidMonthEntry above 27 years, kHalfYearEntry otherwise; -1 keeps it
    Deductions deductions = Deductions::Off;
};
LifeRule LifeLeft(const AssetSnapshot& a);

// Leaving the business percent box.
struct BusinessPercentRule {
    Deductions deductions = Deductions::Keep;
    std::string methodCaption; // "" keeps the caption
    std::string message;       // shown in green; "" shows nothing
};
// For "Listed" and "MACRS" above 50 % business use the caption is ShowMethod's for the method and
// the life shown, and section 179 and bonus are on for a declining-balance caption and off for
// any other (real property of 27.5, 31.5 or 39 years, and every life ShowMethod gives "S/L", is
// never section 179 property); without a life yet, the caption stays and both are on. At 50 % or
// less both are off, the caption is "S/L" and the user is told that ADS will be used. Other
// methods keep all three. (The allowance and basis are recomputed for every method.)
BusinessPercentRule BusinessPercentLeft(const AssetSnapshot& a);

// The method caption a save stores: "S/L" for "Listed" and "MACRS" at 50 % business use or less,
// which fall back to straight line, else the caption of MethodCaption for the method and the life
// the save stores (DetermineLife: the life shown, else the class's).
std::string SavedMethodCaption(const AssetSnapshot& a);

// Whether a method caption is a declining-balance one ("200 DB", "150 DB"): only such property
// takes section 179 and the bonus on the form, and only it is saved as section 179 property.
bool IsDecliningBalance(std::string_view caption);

// The allowance and basis after an amount or the business use changed: each ticked bonus box in
// the order 30 %, 50 %, 100 % puts its allowance into the allowance label (so the last ticked
// one stands), then the basis is computed from the label as it then reads.
struct Recomputed {
    std::optional<std::string> allowance; // the allowance label's new caption; nothing keeps it
    CostBasis basis;
};
Recomputed RecomputeAllowanceAndBasis(AssetSnapshot a);

// The boxes a ticked bonus box (not None) unticks, in order: 30 % unticks 100 % then 50 %; 50 %
// unticks 100 % then 30 %; 100 % unticks 30 % then 50 %.
std::array<BonusBox, 2> BonusBoxesUnticked(BonusBox ticked);

// Leaving the picker's year filter: empty lists every year (0); one of 1 to 3 characters is
// refused with "Invalid year.".
struct YearFilter {
    bool invalid = false;
    std::int16_t year = 0;
};
YearFilter YearFilterLeft(std::string_view text);

} // namespace qel::assets
