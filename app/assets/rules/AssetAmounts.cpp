// The derived values of the asset form.
#include "app/assets/rules/AssetAmounts.h"

#include "common/Convert.h"

#include <cctype>
#include <cstdio>
#include <limits>

namespace qel::assets {
namespace {

bool allDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (const char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// The text taken whole as a number.
std::optional<double> whole(std::string_view text) {
    if (!isPlainNumber(text))
        return std::nullopt;
    return leadingNumber(text);
}

// The last n characters of a text (the whole text when it is shorter).
std::string_view lastChars(std::string_view text, std::size_t n) {
    return text.size() > n ? text.substr(text.size() - n) : text;
}

} // namespace

std::optional<Date> monthOf(std::string_view monthText) {
    if (monthText.size() != 7 || monthText[2] != '/')
        return std::nullopt;
    const std::string_view month = monthText.substr(0, 2);
    const std::string_view year = monthText.substr(3);
    if (!allDigits(month) || !allDigits(year))
        return std::nullopt;
    const int m = (month[0] - '0') * 10 + (month[1] - '0');
    const int y = static_cast<int>(leadingNumber(year));
    if (m < 1 || m > 12 || y < 100)
        return std::nullopt;
    return Date(y, m, 1);
}

std::string proposedInService(const Date& today, int workingYear) {
    char month[8];
    std::snprintf(month, sizeof month, "%02d/", today.month());
    return month + std::to_string(workingYear);
}

Date DetermineSoldDate(std::string_view soldText) {
    return monthOf(soldText).value_or(Date::noDate());
}

std::optional<double> DetermineLife(std::string_view lifeText, std::string_view classText) {
    if (!lifeText.empty())
        return whole(lifeText);
    if (classText.empty())
        return 0.0;
    const std::string_view tail = lastChars(classText, 13);
    const std::size_t dash = tail.find('-');
    if (dash == std::string_view::npos)
        return std::nullopt;
    return whole(tail.substr(0, dash));
}

std::optional<double> DetermineAmortizeCode(std::string_view classText) {
    const std::string_view tail = lastChars(classText, 17);
    const std::size_t backslash = tail.find('\\');
    if (backslash == std::string_view::npos)
        return std::nullopt;
    return whole(tail.substr(backslash + 1, 3));
}

std::optional<std::int16_t> DetermineYear(std::string_view yearText, std::string_view inServiceText) {
    if (yearText.empty()) {
        const std::optional<Date> month = monthOf(inServiceText);
        if (!month)
            return std::nullopt;
        return static_cast<std::int16_t>(month->year());
    }
    const std::optional<double> year = whole(yearText);
    if (!year)
        return std::nullopt;
    const double rounded = roundHalfEven(*year);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

double GetBuisnessPecent(std::string_view t) {
    if ((!t.empty() && t[0] == '.') || (t.size() > 1 && t[1] == '.'))
        return leadingNumber(t);
    if (t.empty())
        return 1;
    return leadingNumber(t) * 0.01;
}

double BonusRate(BonusBox box) {
    switch (box) {
    case BonusBox::None:
        break;
    case BonusBox::Bonus30:
        return 0.3;
    case BonusBox::Bonus50:
        return 0.5;
    case BonusBox::Bonus100:
        return 1.0;
    }
    return 0;
}

double CalculateBonusAllowance(const AssetSnapshot& a, double rate) {
    const double fraction = GetBuisnessPecent(a.businessPercent);
    const double section179 = leadingNumber(a.section179);
    const double other = leadingNumber(a.otherDeductions);
    const double cost = leadingNumber(a.cost);
    const double allowance = (cost * fraction - (other + section179)) * rate;
    return allowance < 0 ? 0 : allowance;
}

std::string allowanceCaption(double allowance) {
    return formatNumber(allowance);
}

CostBasis CalculateCostBasis(const AssetSnapshot& a) {
    const double fraction = GetBuisnessPecent(a.businessPercent);
    const double allowance = leadingNumber(a.allowance);
    const double section179 = leadingNumber(a.section179);
    const double other = leadingNumber(a.otherDeductions);
    const double cost = leadingNumber(a.cost);
    const double basis = roundHalfEven(cost * fraction - (section179 + allowance + other));
    return {basis, formatNumber(basis), basis < 0};
}

std::string percentText(double fraction) {
    return formatNumber(fraction * 100);
}

} // namespace qel::assets
