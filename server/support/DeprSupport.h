// DeprSupport: the data server's service class. It reads and stores asset records, checks a
// logon, keeps the yearly section 179 and vehicle limits and the company's Form 4562 data, feeds
// the maintenance lists and combo boxes, imports assets from a workbook, answers the report
// queries and writes the Excel exports.
//
// The members are declared in the order callers know them (the class's interface order). The
// class keeps no state: every member runs on the calling thread's shared connection and a
// caller may make an object for one call. Every failure leaves a member as ServerError number
// kPassedThrough with "DeprSupport" and the member's name as help file and help context; the
// description keeps the real cause. Nothing here shows UI.
//
// Recordsets keep the statements' field names exactly, trailing blanks included: the
// maintenance and report windows take their column titles from them, and the last field of a
// maintenance list is the row's hidden key.
//
// Where a member is spread over files: the asset records, logons, limits, Form 4562 data, lists
// and combo sources are in server/support/DeprSupport*.cpp, the import in
// server/support/Import*.cpp, the report queries and exports in server/reporting/.
#pragma once

#include "common/Date.h"
#include "common/Recordset.h"
#include "common/Variant.h"
#include "server/data/Database.h"

#include <cstdint>
#include <string>

namespace qel {

class DeprSupport : public ServerObject {
public:
    // The company's imported rows still marked for depreciation: Company_Id, Asset_num,
    // sold_date, Method, Life, in_service_date, book_life, vehicle_num.
    Recordset GetImportedAssetsToUpdate(std::int32_t lngCompanyId);
    // Runs the tax-book engine for every marked imported row of the company, then clears the
    // marks, in one transaction. A row with a vehicle number runs as a passenger car within the
    // limits of its calendar in-service year (server/support/VehicleLimit.h); one whose year has
    // no limits fails. An asset whose run fails keeps its mark; the others are stored and
    // unmarked, and then the run raises naming how many failed and which. True otherwise.
    bool ProcessImportedAssets(std::int32_t lngCompanyId);
    // Chart of accounts; neither argument is used.
    Recordset GetGLaccounts(std::int32_t lngCompanyId, std::int16_t Year);
    Recordset GetFinanicalDisposedAssets(std::int32_t lngCompanyId, const std::string& strPeriod);
    Recordset GetBooks50YearAssets(std::int32_t lngCompanyId, std::int16_t intYear, std::int16_t bookId);
    Recordset GetBooksNewAssets(std::int32_t lngCompanyId, std::int16_t intYear, std::int16_t bookId);
    Recordset GetBooksDisposedAssets(std::int32_t lngCompanyId, std::int16_t intYear, std::int16_t bookId);
    Recordset GetNewBooksAssetWrkSheet(std::int32_t lngCompanyId, std::int16_t intYear, std::int16_t bookId);
    Recordset GetAMTdifferences(std::int32_t lngCompanyId, std::int16_t intYear);
    // The asset's settings in one alternative book (3 AMT, 4 State, 5 Other): DeprMethodId, Life,
    // Cost, BusinessPercent, Section179, Allowance, ConventionId, Salvage, actual_Method,
    // costBasis, BonusCboId. No row when the asset has none for that book.
    Recordset GetBooksAsset(std::int32_t lngAssetId, std::int32_t lngCompanyId, const Variant& bookId);
    // The company's book switches "Amt Book", "State Book", "Other Book": Yes/No values read as
    // true or false (true switches the book on). No row for an unknown company.
    Recordset GetBooksSettings(std::int32_t lngCompanyId);
    // Combo source: Description, id.
    Recordset GetConventions();
    // Combo source: BonusDescription, BonusPercent.
    Recordset GetBonusDepr();
    // Combo source: BookDescription, BookId. "Book" is never offered; "Federal" only when
    // bIncludeFederal is true.
    Recordset GetBookCbo(bool bIncludeFederal = false);
    // Excel exports: write a new workbook at strExcelPath; true, or raise.
    bool ExportDeprJVDetail(const std::string& strPeriod, std::int32_t lngCompany,
                            const std::string& strExcelPath);
    bool ExportDeprJVSummary(const std::string& strPeriod, std::int32_t lngCompany,
                             const std::string& strExcelPath);
    bool ExportPropertyTax(const std::string& strPeriod, std::int32_t lngCompany,
                           const std::string& strExcelPath);
    bool ExportTaxWorksheet(const std::string& strPeriod, std::int32_t lngCompany,
                            const std::string& strExcelPath);
    bool ExportAssetListing(const std::string& strPeriod, std::int32_t lngCompany,
                            const std::string& strExcelPath);
    // Inserts one asset row. strValues is the text between the parentheses of the VALUES clause,
    // every value already an SQL literal in the column order (24 columns, the last Bonus_Choice,
    // when bExclude, else 28 with Do_Depr_adj, book_life, book_cost, Id_acct). Returns the new row's asset
    // number. Raises, with nothing stored, on any database error and when the values describe other than
    // exactly one row.
    std::int32_t AddAsset(const std::string& strValues, bool bExclude = false);
    // The level of the user whose id and password match (ignoring case), or "" when none does or
    // the level is Null. Both texts are bound, never put into the statement.
    std::string GetUserLevel(const std::string& strUser, const std::string& strPwd);
    // Stores the company's section 179 carryover of the year: inserts the year's Form 4562 row
    // when there is none, else updates only its carryover. True, or raises.
    bool Save179(std::int32_t lng179Amt, std::int16_t intYear, std::int32_t lngCompanyId);
    Recordset GetDeprSchedule(std::int32_t lngAsset_Num, std::int16_t bookId);
    Recordset GetBookDeprSchedule();
    Recordset GetAssetWrkSheet(std::int32_t lngCompanyId, std::int16_t intYear);
    Recordset GetBooksAssetWrkSheet(std::int32_t lngCompanyId, std::int16_t intYear, std::int16_t bookId);
    // LocationId -13 stands for every location.
    Recordset GetAssetLedger(std::int32_t lngCompanyId, std::int32_t LocationId);
    Recordset GetNewAssetWrkSheet(std::int32_t lngCompanyId, std::int16_t intYear);
    Recordset GetCurrentWrkSheet(std::int32_t lngCompanyId, std::int16_t intYear);
    Recordset DeprJvSummary(std::int32_t lngCompanyId, const std::string& strPeriod);
    Recordset DeprJvDetail(std::int32_t lngCompanyId, const std::string& strPeriod);
    // bookId 0 (omitted) matches no book row.
    Recordset GetBooks179WrkSheet(std::int32_t lngCompanyId, std::int16_t intYear, std::int16_t bookId = 0);
    Recordset Get179WrkSheet(std::int32_t lngCompanyId, std::int16_t intYear);
    // Maintenance list of asset classes whose method and account exist: Method,
    // "Description" + 15 blanks, "Life" + 4 blanks, If Auto - Type, Amortize #, Account Descr, ID.
    Recordset GetClassMaint();
    // Combo source: Account Descr, id_acct.
    Recordset GetAccounts();
    // Combo source: Method, id.
    Recordset GetMethods();
    // Maintenance list: "Year" + 2 blanks, Maximum Amount, Threshold Cost, ID; by year.
    Recordset Get179forMaint();
    // Maintenance list: "Account Descr" + 6 blanks, Capital Account, Accum Acct, Depr Account,
    // Gain Loss Acct, ID_acct.
    Recordset GetAccountMaint();
    // Maintenance list of every user, none hidden (a user who can log on is always listed):
    // "UserId" + 7 blanks, "Password" + 4 blanks, UserLevel, PwdID.
    Recordset GetUserMaint();
    // Maintenance list: Short Location, Long Location, Location_ID.
    Recordset GetLocationMaint();
    // The company's Form 4562 data rows: all of them by year when intYear is 0 or below, else
    // that year's. Fields: "Year" + 2 blanks, 179 Carryover, 179 Income Limit, Listed Claim,
    // Listed Evidence, Group Assets, 168 Property, Other Depr, 263A Cost, Exclude 179, ID.
    Recordset GetMisc4562DataForMaint(std::int32_t lngCompanyId, std::int16_t intYear = 0);
    // Maintenance list: "Year" + 2 blanks, Type, Yr 1 + 30%, Yr 1 + 50%, Max Year 1..4, ID.
    Recordset MaxAutoMaint();
    // The year's section 179 limits: Maximum Amount, Threshold Cost.
    Recordset Get179Limits(std::int16_t intYear);
    // One row: cost (sum of cost times business fraction) and the sum of the section 179
    // expense (second field, read by position) over the company's section 179 assets placed in
    // service in the fiscal year and not sold in or before it. Nulls when no asset matches.
    Recordset Get179andCostTotal(std::int32_t lngCompanyId, std::int16_t intYear);
    // Depreciable basis (cost times business fraction less section 179 and other deductions) of
    // the company's "MACRS" and "Listed" assets with a life below 26 placed in service in the
    // fiscal year and not sold in it; whole dollars, half to even; 0 when none.
    std::int32_t GetTotalAssetCost(std::int32_t lngID, std::int16_t intYear);
    // The same over the assets placed in service in fiscal months 10 to 12 of the year.
    std::int32_t Get4QtrAssetCost(std::int32_t lngID, std::int16_t intYear);
    // The company's section 179 carryover of the year; 0 when there is no row.
    std::int32_t Get179CarryOver(std::int32_t lngID, std::int16_t intYear);
    // The company's section 179 income limit of the year; 0 when there is no row.
    std::int32_t Get179IncomeLimit(std::int32_t lngID, std::int16_t intYear);
    // Combo source: the lives (one field, "life") of a method name, as stored. strType is bound.
    Recordset GetLives(const std::string& strType);
    // Combo source of the classes of a method id: the packed text (description, 50 blanks,
    // life, "-", vehicle type, "\", amortization number; Null when any part is Null), Id.
    Recordset GetTypes(std::int32_t lngType);
    // Combo source: Account Descr, id_acct.
    Recordset GetAccountsCbo();
    // Combo source: Short Location, Location_id.
    Recordset GetLocationsCbo();
    // One asset of the company with its description row (Nulls when it has none): 30 fields
    // from Asset_num to "long description". No row for an asset of another company.
    Recordset GetAsset(std::int32_t lngAssetId, std::int32_t lngCompanyId);
    Recordset GetDetailDepr(std::int32_t lngCompanyId, std::int16_t intYear);
    // Number of the company's Form 4562 data rows of the year.
    std::int16_t CheckForMisc4562(std::int16_t intYear, std::int32_t lngCompanyId);
    // Number of section 179 limit rows of the year.
    std::int32_t CheckFor179Limits(std::int16_t intYear);
    // Number of vehicle limit rows of the year, every vehicle type together.
    std::int32_t CheckForAutoLimits(std::int16_t intYear);
    Recordset GetNewAssets(std::int32_t lngCompanyId, std::int16_t intYear);
    // Number of assets of every company that use the class.
    std::int16_t CheckClassId(std::int32_t lngDepr_Class_Id);
    Recordset GetDisposedAssets(std::int32_t lngCompanyId, std::int16_t intYear);
    Recordset GetPropertTax(std::int32_t intCompanyID, std::int16_t intYear);
    Recordset GetPropertTaxData(std::int32_t intCompanyID, const std::string& strPeriod);
    Recordset GetBookAssetLedger(std::int32_t lngCompanyId, const std::string& strPeriod);
    Recordset GetTagNumToAssetID(std::int32_t lngCompanyId);
    // Appends the workbook's asset rows (.xlsx or .xls, rows 2 on until column A is empty),
    // each marked for depreciation, in one transaction. True, or raises naming the row and
    // column: nothing is stored when a row belongs to another company than lngCompany or holds
    // a value its column cannot take, or when the workbook cannot be read.
    bool ImportAssetsFromExcel(std::int32_t lngCompany, const std::string& strExcelPath);
    bool ExportBookAssetLedger(const std::string& strPeriod, std::int32_t lngCompanyId,
                               const std::string& strExcelPath);
    // strData with every apostrophe replaced by a backquote.
    std::string NoQuote(const std::string& strData);

private:
    // The imported-asset processing behind ProcessImportedAssets. Their shape belongs to the
    // import and may change with it.
    Recordset GetImportedAssets(std::int32_t lngCompanyId);
    std::string GetActualMethod(const std::string& strMethod, double dblBusPercent, double dblLife);
    bool DoDeprForImportedAssets(std::int32_t lngCompanyId, std::int32_t lngAssetId, std::int32_t lngCost,
                                 double dblBusPercent, std::int32_t lngAllowance, std::int32_t lng179,
                                 std::int32_t lngOtherDeductions, std::int32_t lngSalesAmt, double dblLife,
                                 std::int16_t intConvention, const Date& dtInService, const Date& dtDateSold,
                                 const std::string& strMethod, const std::string& strActualMethod,
                                 const std::string& strAuto);
    bool ResetDoImportDepr(std::int32_t lngCompanyId);
};

} // namespace qel
