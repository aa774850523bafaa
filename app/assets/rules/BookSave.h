// The alternative books (AMT, State, Other) of a save: the values of one book's column as they are
// checked, stored in tblBookMethods and depreciated; the checks of every kept book, gathered into
// one message; and the two statements that replace a book's row.
#pragma once

#include "app/assets/rules/BookRules.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qel::assets {

// One book of the asset as the save stores and runs it.
struct BookValues {
    std::int16_t bookId = 0;
    std::int32_t methodId = 0;   // item data of the method choice
    std::string method;          // the method's text, as chosen ("MACRS", "Listed", ...)
    double life = 0;             // years, as typed (27.5 stays 27.5)
    std::int32_t cost = 0;       // whole dollars
    double businessFraction = 1; // 1 = all business use (GetBuisnessPecent of the percent box)
    std::int32_t section179 = 0; // whole dollars
    std::int32_t salvage = 0;    // whole dollars
    std::int16_t conventionId = 0;
    std::int32_t bonusEntry = kNoBonus; // item data of the bonus choice: tenths of the cost
    std::int32_t allowance = 0;         // special depreciation allowance, whole dollars, never below 0
    std::int32_t costBasis = 0;         // whole dollars
    std::string methodCaption;          // ShowMethod of the method and the life in whole years
};

// The book's allowance at `rate` (the bonus entry / 10): (cost x fraction - (section 179 +
// salvage)) x rate, rounded half to even, 0 when that is negative. Throws ServerError (overflow)
// beyond 32 bits.
std::int32_t CalculateBooksAllowance(double rate, double businessFraction, std::int32_t cost,
                                     std::int32_t section179, std::int32_t salvage);

// cost x fraction - (allowance + section 179 + salvage), rounded half to even. Throws ServerError
// (overflow) beyond 32 bits.
std::int32_t CalBookCostBasis(std::int32_t cost, double businessFraction, std::int32_t allowance,
                              std::int32_t section179, std::int32_t salvage);

// The figures of a book's column a user types.
enum class BookFigure { Cost, Life, BusinessPercent, Section179, Salvage };

// A typed figure of a book's column that does not fit what keeps it (common/NumberCheck.h): the
// amounts are whole 32-bit dollars, the life a number of years of kLifeRange, the business
// percent 0 to 100 (or a fraction). The message names the figure with the book's prefix and quotes
// the text: "AMT Cost '1e400' must be a number from -2147483648 to 2147483647. ".
struct BookNumberFault {
    BookFigure figure;
    std::string message;
};
// The faults of one column, in the order cost, life, business percent, 179, salvage; none when
// every figure fits. BookValuesOf may be given the column only then.
std::vector<BookNumberFault> BookNumberFaults(std::string_view prefix, const BookColumn& column);

// The values of one book's column. Amounts are the leading numbers of their boxes, rounded half to
// even. With a bonus choice the allowance is computed; the AMT book takes instead the amount its
// allowance label shows when that is exactly the Federal allowance caption (not empty), which is
// how a Federal allowance lowered to the vehicle limit reaches it. Throws ServerError when an
// amount does not fit 32 bits.
BookValues BookValuesOf(std::int16_t bookId, const BookColumn& column, std::string_view methodText,
                        std::string_view federalAllowanceCaption);

// The prefix of a book's messages: "AMT", "State", "Other".
std::string bookPrefix(std::int16_t bookId);

// The failed rules of one book, each as the prefix and its text, in rule order; "" when it passes:
// cost, method, life missing, life above 75, MACRS and MACRS 150 lives, the business fraction,
// the conventions of MACRS, MACRS 150, Listed and ADS, a negative basis, Non-Depr with a life.
std::string ValidateBook(std::string_view prefix, const BookValues& book);

// The messages of every book given (the kept ones, in the order AMT, State, Other) run together;
// "" when all pass.
std::string ValidateBookMethods(const std::vector<BookValues>& books);

// The statements that replace the book's row of the asset: delete, then insert.
std::string DeleteBookSql(std::int32_t companyId, std::int32_t assetNum, std::int16_t bookId);
std::string InsertBookSql(std::int32_t companyId, std::int32_t assetNum, const BookValues& book);

} // namespace qel::assets
