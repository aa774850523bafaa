// Depr4562: the amounts of one company's Form 4562 for a tax year — listed property (Part V
// Section A), amortization (Part VI), section 179 property (Part I), special allowances, other
// and prior-year depreciation, the MACRS and ADS summary by recovery period (Part III) — and the
// company's name, owner and tax id.
//
// Read-only. Depreciation amounts come from the Federal tax book (bookId 1). "Placed in service
// in the year" means the calendar year of fiscal_start_date equals the tax year (fiscal dates are
// the first day of the fiscal month within the fiscal year). Whole-dollar results are the sum
// rounded to the nearest dollar, a half going to the even neighbour (10.5 -> 10, 11.5 -> 12), and
// 0 when nothing matches. Recordsets are read by field name, so their names are the interface.
//
// Every operation fails as ServerError number kPassedThrough with "Depr4562" and its own name as
// help file and help context; the description keeps the cause.
#pragma once

#include "common/Recordset.h"
#include "common/Variant.h"
#include "server/data/Database.h"

#include <cstdint>
#include <string>

namespace qel {

class Depr4562 : public ServerObject {
public:
    // Listed property with a tax-book row of the year whose business fraction compares with 0.5
    // by strUse, which must be ">" or "<=" (anything else raises kind InvalidArgument). When more
    // than 3 such assets have a cost above allowance plus other deductions: two "Total Listed"
    // rows (Asset_name, Cost, Basis, Depr, 179_deduction), placements of the year then earlier
    // placements (with section 179 0); sums are Null over no asset. Otherwise one row per asset:
    // Asset_name, In_Service_date, Bpercent, Cost, Basis, life, depr, 179_deduction (0 for earlier
    // placements), Method ("200DB "), abbreviation, Company_Id, year, vehicle_num,
    // bussiness_percent; ordered by business fraction descending, then vehicle number.
    Recordset GetListedDepr(std::int32_t lngCompanyId, std::int16_t intYear, const std::string& strUse);

    // Amortized assets placed in service in the year with a tax-book row of the year. When more
    // than 2 of them are unsold or sold in the year and have a cost above allowance plus other
    // deductions: one "Total Amortized" row (Asset_name, Basis, Depr). Otherwise one row per asset:
    // Asset_name, In_Service_date, Basis, amortize_code, periods (life in months), depr, in asset
    // number order.
    Recordset GetAmortized(std::int32_t lngCompanyId, std::int16_t intYear);

    // The year's tax-book depreciation of amortized assets placed in service before the year, in
    // whole dollars.
    std::int32_t GetPriorYearAmortization(std::int32_t lngCompanyId, std::int16_t intYear);

    // Section 179 assets (Type_179, method other than "Listed") placed in service in the year, not
    // sold or sold after the year, with a section 179 deduction above 0. Fewer than 3: one row per
    // asset (Asset_name, Cost, 179_deduction) in asset number order; otherwise one "Total 179
    // Assets" row (Asset_name, 179_deduction).
    Recordset Get179MacrsDeduction(std::int32_t lngCompanyId, std::int16_t intYear);

    // Special allowance plus other deductions, in whole dollars, of the assets placed in service
    // in the year and not sold or sold after it, whose method is strType. Exactly "MACRS" stands
    // for "MACRS" and "MACRS 150"; any other text is one method name, compared without case.
    std::int32_t GetAllowances(std::int32_t lngCompanyId, std::int16_t intYear, const std::string& strType);

    // The year's tax-book depreciation of "S/L" assets, in whole dollars.
    std::int32_t GetOtherDepr(std::int16_t intYear, std::int32_t lngCompanyId);

    // The year's tax-book depreciation of "ADS", "MACRS" and "MACRS 150" assets placed in service
    // before the year, in whole dollars.
    std::int32_t GetMacrsPriorYears(std::int32_t lngCompanyId, std::int16_t intYear);

    // The year's new assets of the method strType ("MACRS" for both MACRS methods, as in
    // GetAllowances) by recovery period, convention and method caption: Basis (business cost less
    // allowance, other deductions and section 179), life, Depr, Convention, method; ordered by
    // life, then convention and caption.
    Recordset GetDeprSummary(std::int32_t lngCompanyId, std::int16_t intYear, const Variant& strType);

    // [Company Name], owner, [tax id] of the company; no row for an unknown id.
    Recordset GetCompanyData(std::int32_t lngCompanyId);
};

} // namespace qel
