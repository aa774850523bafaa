// FormAmounts: the steps of a Form 4562 run that ask the data server for the company's amounts
// of a tax year and work out the form values. They write nothing; the run saves the section 179
// carryover between the second and the third step.
//
// Every step raises the data server's errors unchanged, ServerError 94 for a Null where a text
// is needed and ServerError 6 for a whole-dollar amount outside the 32-bit range.
#pragma once

#include "form4562/FormValues.h"

#include <cstdint>

namespace qel::form4562 {

// Part V: line 25, the listed property of lines 26 and 27 with the totals of lines 28 and 29,
// the use of the first six vehicles (lines 30 to 36) and the employer's answers (lines 37 to 41).
void listedPropertyAndVehicles(std::int32_t lngCompanyId, std::int16_t intYear, FormValues& v);

// Part VI (lines 42 to 44), the heading, Part I (lines 1 to 13) and the company's yearly
// Form 4562 data (lines 10, 11, 15, 18, 23, 24a, 24b, the stored other depreciation and the
// Exclude-179 switch). Needs lines 28 and 29 of the Part V step. Line 13 is the carryover to
// the next year.
void amortizationAndSection179(std::int32_t lngCompanyId, std::int16_t intYear, FormValues& v,
                               RunTotals& totals);

// Parts II, III and IV (lines 14 to 22) and the two 50-year deductions.
void depreciationAndSummary(std::int32_t lngCompanyId, std::int16_t intYear, FormValues& v,
                            RunTotals& totals);

} // namespace qel::form4562
