// The alternative books of a save.
#include "app/assets/rules/BookSave.h"

#include "app/assets/rules/AssetAmounts.h"
#include "app/assets/rules/DeprRunPlan.h"
#include "common/Convert.h"
#include "common/NumberCheck.h"
#include "common/SqlLiteral.h"
#include "server/support/AssetCodes.h"

#include <algorithm>
#include <array>

namespace qel::assets {
namespace {

std::int32_t wholeDollars(const std::string& text, std::string_view what) {
    return whole32(leadingNumber(text), what);
}

bool isOneOf(double life, std::initializer_list<double> lives) {
    return std::find(lives.begin(), lives.end(), life) != lives.end();
}

} // namespace

std::int32_t CalculateBooksAllowance(double rate, double businessFraction, std::int32_t cost,
                                     std::int32_t section179, std::int32_t salvage) {
    const double base = cost * businessFraction - (static_cast<double>(section179) + salvage);
    const std::int32_t allowance = whole32(base * rate, "book allowance");
    return allowance < 0 ? 0 : allowance;
}

std::int32_t CalBookCostBasis(std::int32_t cost, double businessFraction, std::int32_t allowance,
                              std::int32_t section179, std::int32_t salvage) {
    return whole32(cost * businessFraction -
                       (static_cast<double>(allowance) + static_cast<double>(section179) + salvage),
                   "book cost basis");
}

std::vector<BookNumberFault> BookNumberFaults(std::string_view prefix, const BookColumn& c) {
    const std::string p(prefix);
    const struct {
        BookFigure figure;
        const char* name;
        const std::string& text;
        NumberRange range;
    } figures[] = {
        {BookFigure::Cost, " Cost", c.cost, kWholeRange},
        {BookFigure::Life, " Life", c.life, kLifeRange},
        {BookFigure::BusinessPercent, " Business %", c.businessPercent, kPercentRange},
        {BookFigure::Section179, " 179", c.section179, kWholeRange},
        {BookFigure::Salvage, " Salvage", c.salvage, kWholeRange},
    };
    std::vector<BookNumberFault> faults;
    for (const auto& f : figures)
        if (std::optional<std::string> fault = numberFault(p + f.name, f.text, f.range))
            faults.push_back({f.figure, std::move(*fault)});
    return faults;
}

BookValues BookValuesOf(std::int16_t bookId, const BookColumn& c, std::string_view methodText,
                        std::string_view federalAllowanceCaption) {
    BookValues b;
    b.bookId = bookId;
    b.methodId = c.methodId;
    b.method = std::string(methodText);
    b.life = leadingNumber(c.life);
    b.cost = wholeDollars(c.cost, "book cost");
    b.businessFraction = GetBuisnessPecent(c.businessPercent);
    b.section179 = wholeDollars(c.section179, "book section 179 amount");
    b.salvage = wholeDollars(c.salvage, "book salvage");
    b.conventionId = static_cast<std::int16_t>(c.conventionId);
    b.bonusEntry = c.bonusId;
    const double rate = c.bonusId * 0.1;
    if (rate > 0) {
        b.allowance = CalculateBooksAllowance(rate, b.businessFraction, b.cost, b.section179, b.salvage);
        if (bookId == kAmtBook && !c.allowance.empty() && c.allowance == federalAllowanceCaption)
            b.allowance = std::max<std::int32_t>(0, whole32(leadingNumber(c.allowance), "book allowance"));
    }
    b.costBasis = CalBookCostBasis(b.cost, b.businessFraction, b.allowance, b.section179, b.salvage);
    b.methodCaption = ShowMethod(b.method, whole16(b.life, "book life"));
    return b;
}

std::string bookPrefix(std::int16_t bookId) {
    switch (bookId) {
    case kAmtBook:
        return "AMT";
    case kStateBook:
        return "State";
    default:
        return "Other";
    }
}

std::string ValidateBook(std::string_view prefix, const BookValues& b) {
    std::string messages;
    auto fail = [&](const char* text) { messages += std::string(prefix) + text; };
    const double life = b.life;
    const std::int16_t conv = b.conventionId;
    const bool halfYearOrMidQtr = conv == kHalfYear || conv == kMidQtr;
    if (b.cost == 0)
        fail(" Cost Missing! ");
    if (b.method.empty())
        fail(" Method Missing! ");
    if (life == 0 && b.method != "Non-Depr")
        fail(" Life Missing! ");
    if (life > 75)
        fail(" Life Can't be greater than 75! ");
    if (b.method == "MACRS" && life > 0 && !isOneOf(life, {3, 5, 7, 10, 15, 20, 27.5, 31.5, 39, 50}))
        fail(" Life must be 3,5,7,10,15,20,27.5,31.5,39,50! ");
    if (b.method == "MACRS 150" && life > 0 && !isOneOf(life, {3, 5, 7, 10, 15, 20}))
        fail(" Life must be 3,5,7,10,15,20");
    if (b.businessFraction < 0 || b.businessFraction > 1)
        fail(" Invalid Business %! ");
    if (b.method == "MACRS" && life > 27 && conv != kMidMonth)
        fail(" convention needs to be 'mid month' ");
    if (b.method == "MACRS" && life > 0 && life < 27 && !halfYearOrMidQtr)
        fail(" convention needs to be 'Mid Qtr' or 'Half Year' ");
    if ((b.method == "MACRS 150" || b.method == "Listed") && !halfYearOrMidQtr)
        fail(" convention needs to be 'Mid Qtr' or 'Half Year' ");
    if (b.method == "ADS" && conv == kNoConvention)
        fail(" convention can not be 'None' ");
    if (b.costBasis < 0)
        fail(" Basis needs to be greater then zero.");
    if (b.method == "Non-Depr" && life != 0)
        fail(" Life must be zero. ");
    return messages;
}

std::string ValidateBookMethods(const std::vector<BookValues>& books) {
    std::string messages;
    for (const BookValues& b : books)
        messages += ValidateBook(bookPrefix(b.bookId), b);
    return messages;
}

std::string DeleteBookSql(std::int32_t companyId, std::int32_t assetNum, std::int16_t bookId) {
    return "Delete from tblBookMethods where ClientId = " + sqlNumber(companyId) +
           " and AssetId = " + sqlNumber(assetNum) + " and BookId = " + sqlNumber(bookId);
}

std::string InsertBookSql(std::int32_t companyId, std::int32_t assetNum, const BookValues& b) {
    return "Insert into tblBookMethods (ClientId, AssetId, BookId, DeprMethodId, Life, Cost, "
           "BusinessPercent, "
           "Section179, Allowance, ConventionId, Salvage, Actual_Method, CostBasis, BonusCboId )  values(" +
           sqlNumber(companyId) + ", " + sqlNumber(assetNum) + ", " + sqlNumber(b.bookId) + ", " +
           sqlNumber(b.methodId) + ", " + sqlNumber(b.life) + ", " + sqlNumber(b.cost) + ", " +
           sqlNumber(b.businessFraction) + ", " + sqlNumber(b.section179) + ", " + sqlNumber(b.allowance) +
           ", " + sqlNumber(b.conventionId) + ", " + sqlNumber(b.salvage) + ", " +
           sqlText(b.methodCaption + " ") + ", " + sqlNumber(b.costBasis) + "," + sqlNumber(b.bonusEntry) +
           ")";
}

} // namespace qel::assets
