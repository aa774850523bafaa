// The asset form's field rules.
#include "app/assets/rules/FieldRules.h"

#include "app/assets/rules/AssetRecord.h"
#include "app/assets/rules/NumberPatterns.h"
#include "common/Convert.h"
#include "server/support/AssetCodes.h"

#include <algorithm>
#include <limits>

namespace qel::assets {
namespace {

bool isAnyOf(std::string_view method, std::initializer_list<std::string_view> methods) {
    return std::find(methods.begin(), methods.end(), method) != methods.end();
}

// The last n characters of a text (the whole text when it is shorter).
std::string_view lastChars(std::string_view text, std::size_t n) {
    return text.size() > n ? text.substr(text.size() - n) : text;
}

// The life of a class entry: the number before the first "-" of the text's last 13 characters
// (the entry ends in life, "-", vehicle letter, "\", amortization number); 0 when there is none.
double classLifeOf(std::string_view classText) {
    const std::string_view tail = lastChars(classText, 13);
    const std::size_t dash = tail.find('-');
    return dash == std::string_view::npos ? 0 : leadingNumber(tail.substr(0, dash));
}

// A typed life taken below this allows section 179 and bonus; a class life below kClassLifeLimit.
constexpr double kTypedLifeLimit = 21;
constexpr double kClassLifeLimit = 26;
// A life above this many years selects the "Mid Month" convention for "ADS" and "MACRS".
constexpr double kMidMonthAbove = 27;
// At this business-use fraction or below, "Listed" and "MACRS" fall back to straight line.
constexpr double kHalfBusinessUse = 0.5;

} // namespace

bool NumericKeyPasses(char32_t key) {
    return key == U'.' || key < 32 || (key >= U'0' && key <= U'9');
}

bool NumericTextPasses(std::u32string_view text) {
    return std::all_of(text.begin(), text.end(), NumericKeyPasses);
}

std::string AmountEcho(std::string_view text) {
    if (!isPlainNumber(text))
        return std::string(text);
    return groupedOrBlank(leadingNumber(text));
}

std::string MethodCaption(std::string_view method, std::string_view lifeText) {
    const double life =
        std::clamp(roundHalfEven(leadingNumber(lifeText)), double(std::numeric_limits<std::int16_t>::min()),
                   double(std::numeric_limits<std::int16_t>::max()));
    return ShowMethod(method, static_cast<std::int16_t>(life));
}

MethodRule MethodLeft(std::string_view method, bool chosen) {
    MethodRule r;
    // No method in the list is called so; every chosen one fills its classes and lives.
    if (chosen && method != "Straight Line") {
        r.classesAndLives = true;
        r.lifeLocked = method == "Listed";
        r.deductions = isAnyOf(method, {"MACRS 150", "Listed", "MACRS"}) ? Deductions::On
                                                                         : Deductions::OffKeepBonusTicks;
        r.recomputeBasis = true;
    }
    r.amortizeCode = method == "Amortize";
    if (isAnyOf(method, {"MACRS 150", "ADS", "Listed", "MACRS"}))
        r.convention = kHalfYearEntry;
    r.zeroLives = method == "Non-Depr";
    return r;
}

std::optional<ClassRule> ClassLeft(const AssetSnapshot& a) {
    if (!a.classChosen)
        return std::nullopt;
    ClassRule r;
    const double life = DetermineLife(a.life, a.classText).value_or(0);
    r.midMonth = isAnyOf(a.method, {"ADS", "MACRS"}) && life > kMidMonthAbove;
    r.deductions = life < kClassLifeLimit && isAnyOf(a.method, {"Listed", "MACRS 150", "MACRS"})
                       ? Deductions::On
                       : Deductions::Off;
    r.vehicle = DetermineAutoType(a) != "N";
    if (a.method == "Amortize")
        r.amortizeCode = formatNumber(DetermineAmortizeCode(a.classText).value_or(0));
    // The class's own life, read as a number whatever the life list shows.
    const double classLife = classLifeOf(a.classText);
    if (classLife > 0)
        r.classLife = formatNumber(classLife);
    return r;
}

bool ClassListClearsLife(std::string_view method) {
    return isAnyOf(method, {"MACRS 150", "MACRS", "ADS"});
}

bool LifeReplacesClass(const AssetSnapshot& a) {
    // Choosing a class fills the life list with the class's life, so leaving that life as it
    // came is no new life: clearing the class then would lose the user's choice of class.
    return a.classChosen && isAnyOf(a.method, {"Listed", "ADS", "MACRS 150", "MACRS"}) &&
           leadingNumber(a.life) != classLifeOf(a.classText);
}

LifeRule LifeLeft(const AssetSnapshot& a) {
    LifeRule r;
    const double life = leadingNumber(a.life);
    r.clearClass = LifeReplacesClass(a);
    if (isAnyOf(a.method, {"ADS", "MACRS"}))
        r.convention = life > kMidMonthAbove ? kMidMonthEntry : kHalfYearEntry;
    r.deductions = life < kTypedLifeLimit && isAnyOf(a.method, {"MACRS 150", "MACRS"}) ? Deductions::On
                                                                                       : Deductions::Off;
    return r;
}

BusinessPercentRule BusinessPercentLeft(const AssetSnapshot& a) {
    BusinessPercentRule r;
    if (!isAnyOf(a.method, {"Listed", "MACRS"}))
        return r;
    if (GetBuisnessPecent(a.businessPercent) > kHalfBusinessUse) {
        if (a.life.empty()) {
            r.deductions = Deductions::On;
            return r;
        }
        r.methodCaption = MethodCaption(a.method, a.life);
        r.deductions = IsDecliningBalance(r.methodCaption) ? Deductions::On : Deductions::Off;
    } else {
        r.deductions = Deductions::Off;
        r.methodCaption = "S/L";
        r.message = "If Business Percent is 50% or less. ADS will be used instead of MACRS.";
    }
    return r;
}

std::string SavedMethodCaption(const AssetSnapshot& a) {
    if (isAnyOf(a.method, {"Listed", "MACRS"}) && GetBuisnessPecent(a.businessPercent) <= kHalfBusinessUse)
        return "S/L";
    // The life the save stores: the one shown, else the class's.
    return MethodCaption(a.method, formatNumber(DetermineLife(a.life, a.classText).value_or(0)));
}

bool IsDecliningBalance(std::string_view caption) {
    return caption == "200 DB" || caption == "150 DB";
}

Recomputed RecomputeAllowanceAndBasis(AssetSnapshot a) {
    Recomputed r;
    const std::pair<bool, BonusBox> boxes[] = {
        {a.bonus30, BonusBox::Bonus30}, {a.bonus50, BonusBox::Bonus50}, {a.bonus100, BonusBox::Bonus100}};
    for (const auto& [ticked, box] : boxes) {
        if (!ticked)
            continue;
        a.allowance = allowanceCaption(CalculateBonusAllowance(a, BonusRate(box)));
        r.allowance = a.allowance;
    }
    r.basis = CalculateCostBasis(a);
    return r;
}

std::array<BonusBox, 2> BonusBoxesUnticked(BonusBox ticked) {
    switch (ticked) {
    case BonusBox::Bonus30:
        return {BonusBox::Bonus100, BonusBox::Bonus50};
    case BonusBox::Bonus50:
        return {BonusBox::Bonus100, BonusBox::Bonus30};
    case BonusBox::None:
    case BonusBox::Bonus100:
        break;
    }
    return {BonusBox::Bonus30, BonusBox::Bonus50};
}

YearFilter YearFilterLeft(std::string_view text) {
    if (!text.empty() && text.size() < 4)
        return {true, 0};
    // The box takes four characters at most, so the year always fits.
    return {false, static_cast<std::int16_t>(roundHalfEven(leadingNumber(text)))};
}

} // namespace qel::assets
