// The menu tree of the main window. Captions are the program's own, spelling included.
#include "app/shell/MenuTable.h"

namespace qel {
namespace {

using A = MenuAction;

constexpr unsigned kReports = kNeedsReports;
constexpr unsigned kExport = kNeedsDataExchange;
constexpr unsigned kTable = kNeedsMaintenance;

MenuItemDef separator(const char* name) {
    return {name, "-", 0, A::Separator, nullptr, kNeedsNothing, false};
}

} // namespace

const std::vector<MenuDef>& menuTable() {
    static const std::vector<MenuDef> table = {
        {"mnuFile",
         "&File",
         true,
         {
             {"mnuBackupDb", "Backup Database", 13, A::Command, nullptr, kNeedsProgram, false},
             {"mnuRestoreDb", "Restore Database", 31, A::Command, nullptr, kNeedsProgram, false},
             {"mnuDisplayDBpath", "Display Database Path", 0, A::Command, nullptr, kNeedsNothing, false},
             {"mnuDbPath", "Set Databse Path", 0, A::Command, nullptr, kNeedsProgram, false},
             separator("mnuImportline"),
             {"mnuImportAssets", "Import Assets", 38, A::Command, nullptr, kReports | kExport, false},
             {"mnuImportLog", "Import Log ", 38, A::Command, nullptr, kReports | kExport, false},
             separator("mnuFileLine"),
             {"mnuExit", "&Exit", 0, A::Command, nullptr, kNeedsNothing, false},
         },
         0},
        {"mnuDefaults",
         "&Defaults",
         false,
         {
             {"mnuSelectCompany", "Set Company", 15, A::Command, nullptr, kNeedsNothing, false},
             {"mnuDefaultYear", "Set Default Year", 18, A::ReportYear, "Default Year", kReports, false},
             {"mnuPassWord", "Enable Password", 0, A::Command, nullptr, kNeedsNothing, false},
             {"mnudisablePwd", "Disable Password", 0, A::Command, nullptr, kNeedsNothing, true},
             {"mnuUsers", "User Maint", 25, A::Table, "Users", kTable, false},
             separator("mnuDefaultBar"),
             {"mnuAccounts", "G\\L Accounts", 23, A::Table, "Accounts", kTable, false},
             {"mnuClassMaint", "Asset Classes", 7, A::Table, "AssetClasses", kTable, false},
             {"mnuLocation", "Locations", 29, A::Table, "Locations", kTable, false},
             {"mnuCompanyMaint", "Company Maint.", 25, A::Table, "Companies", kTable, false},
         },
         0},
        {"mnuMaintenance",
         "&Maintenance",
         true,
         {
             {"mnuAssetMaint", "Assets", 25, A::Command, nullptr, kNeedsAssetEntry, false},
             separator("mnu4562Maint"),
             {"mnu179", "179 Limits", 25, A::Table, "179Rates", kTable, false},
             {"mnuAutoQstForEmployees", "Auto Qst for Employer", 25, A::ReportYear, "Auto Question Form",
              kReports, false},
             {"mnuAutoUse", "Auto Use", 25, A::ReportYear, "Auto Use Form", kReports, false},
             {"MnuAutoMax", "Auto Maximum Limits", 25, A::Table, "AutoRates", kTable, false},
             {"mnuMisc4562Data", "Miscellanous 4562 Data", 25, A::Table, "Misc4562Data", kTable, false},
         },
         0},
        {"mnuReports",
         "Federal &Reports",
         true,
         {
             {"mnu179WrkSheet", "179 Work Sheet", 30, A::ReportYear, "179 WorkSheet", kReports, false},
             {"mnuADS50Yr", "50 Year Assets", 30, A::ReportYear, "50 Year Assets", kReports, false},
             {"mnuAutoUseRpt", "Auto Use", 30, A::ReportYear, "Auto Use", kReports, false},
             {"mnuCurrentWrkSheet", "Current Year Worksheet", 0, A::ReportYear, "Current Year WorkSheet",
              kReports, false},
             {"mnuAssetWorkSheet", "Depreciation WorkSheet", 30, A::ReportYear, "Depreciation WorkSheet",
              kReports, false},
             {"mnuDisposedAssets", "Disposed Assets", 30, A::ReportYear, "Disposed Assets", kReports, false},
             {"mnuForm4562_2", "Form 4562 ", 30, A::Command, nullptr, kReports, false},
             {"mnuNewAssets", "New Assets", 30, A::ReportYear, "New Assets", kReports, false},
             {"mnuNewAssetWorksheet", "New Assets Worksheet", 30, A::ReportYear, "New Assets WorkSheet",
              kReports, false},
             {"mnuAMTDifferences", "AMT Differences", 0, A::ReportYear, "AMT Differences", kReports, false},
             separator("mnuTaxExportLine"),
             {"mnuExportTaxWorkSheet", "Export Tax WorkSheet", 0, A::ExportYear, "Tax Worksheet", kExport,
              false},
         },
         0},
        {"mnuBook",
         "&Book",
         false,
         {
             {"mnuDoMthDepr", "Do Monthly Depreciation", 0, A::Command, nullptr, kNeedsMonthlyDepr, false},
             {"mnuBookDeprRange", "Do Book Depreciation for a Range", 0, A::Command, nullptr,
              kNeedsMonthlyDepr, false},
             {"mnuDisplayPeriod", "Display Next Period", 0, A::Command, nullptr, kNeedsMonthlyDepr, false},
             {"mnuDeleteDepr", "Delete Last Period Depreciation", 0, A::Command, nullptr, kNeedsMonthlyDepr,
              false},
             separator("mnuline"),
             {"mnuAssetListing", "Asset Listing", 30, A::Command, nullptr, kReports, false},
             {"mnuBookAssetLedger", "Book Asset Ledger", 30, A::ReportPeriod, "Book Asset Ledger", kReports,
              false},
             {"mnuChartOfAccounts", "Chart of Accounts", 0, A::Command, nullptr, kReports, false},
             {"mnuDeprJvDetail", "Depr Jounal Entry - Detail", 30, A::ReportPeriod, "Depr Journal Detail",
              kReports, false},
             {"mnuJournalEntry", "Depr Jounal Entry - Summary", 30, A::ReportPeriod, "Depr Journal Summary",
              kReports, false},
             {"mnuBookDisposedAssets", "Disposed Assets", 0, A::ReportPeriod, "Book Disposed Assets",
              kReports, false},
             {"mnuPropertyTax", "Property Tax Data", 30, A::ReportPeriod, "Property Tax", kReports, false},
             separator("mnuline2"),
             {"MnuExportJvDetail", "Export JV Detail", 0, A::ExportPeriod, "Depr Journal Detail", kExport,
              false},
             {"mnuExportJVSummary", "Export JV Summary", 0, A::ExportPeriod, "Depr Journal Summary", kExport,
              false},
             {"mnuExportPropertyTaxData", "Export Property Tax Data", 0, A::ExportPeriod, "Propery Tax Data",
              kExport, false},
             {"mnuExportAssetListing", "Export Asset Listing", 0, A::ExportPeriod, "Asset Listing", kExport,
              false},
             {"mnuExportBookAssetLedger", "Export Book Asset Ledger", 0, A::Command, nullptr, kExport, false},
         },
         0},
        {"mnuReportsTax", "Tax Reports", false, {}, kReports},
        {"mnuTools",
         "T&ools",
         false,
         {
             {"mnuTagToAssetId", "Tag Nbr to Asset Id", 34, A::Command, nullptr, kReports, false},
         },
         0},
        {"mnuWindows",
         "&Windows",
         true,
         {
             {"MnuCascade", "&Cascade", 0, A::Command, nullptr, kNeedsNothing, false},
             {"mnuCloseWindows", "Close &All Windows", 0, A::Command, nullptr, kReports, false},
             {"mnuTileHorizontal", "Tile &Horizontal", 0, A::Command, nullptr, kReports, false},
             {"mnuTileVertical", "Tile &Vertical", 0, A::Command, nullptr, kNeedsNothing, false},
         },
         0},
        {"mnuHelp",
         "&Help",
         true,
         {
             {"mnuAbout", "About", 0, A::Command, nullptr, kNeedsProgram, false},
             {"mnuHelpContents", "Contents", 0, A::Command, nullptr, kNeedsProgram, false},
             {"mnuGettingStarted", "Getting Started", 0, A::Command, nullptr, kNeedsProgram, false},
             {"mnuHelpSearch", "Search", 0, A::Command, nullptr, kNeedsProgram, false},
             separator("mnublank"),
             {"mnuSupport", "E-Mail Support", 0, A::Command, nullptr, kNeedsProgram, false},
             {"mnuReportAbug", "Report a Bug", 0, A::Command, nullptr, kNeedsProgram, false},
         },
         0},
    };
    return table;
}

} // namespace qel
