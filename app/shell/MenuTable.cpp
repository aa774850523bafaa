// The menu tree of the main window. Captions are the program's own, spelling included.
#include "app/shell/MenuTable.h"

namespace qel {
namespace {

using A = MenuAction;

constexpr unsigned kReports = kNeedsReports;
constexpr unsigned kExport = kNeedsDataExchange;
constexpr unsigned kTable = kNeedsMaintenance;
constexpr unsigned kCompany = kNeedsCompany;
constexpr unsigned kChild = kNeedsChildWindow;
// The vehicle windows open through the report prompts for the year.
constexpr unsigned kVehicles = kNeedsReports | kNeedsVehicles;
constexpr unsigned kPrint = kNeedsPrinting;
constexpr Shown kShown = Shown::Always;

MenuItemDef separator(const char* name) {
    return {name, "-", 0, A::Separator, nullptr, kNeedsNothing, kShown};
}

} // namespace

const std::vector<MenuDef>& menuTable() {
    static const std::vector<MenuDef> table = {
        {"mnuFile",
         "&File",
         true,
         {
             {"mnuBackupDb", "Backup Database", 13, A::Command, nullptr, kNeedsProgram, kShown},
             {"mnuRestoreDb", "Restore Database", 31, A::Command, nullptr, kNeedsProgram, kShown},
             {"mnuDisplayDBpath", "Display Database Path", 0, A::Command, nullptr, kNeedsNothing, kShown},
             {"mnuDbPath", "Set Databse Path", 0, A::Command, nullptr, kNeedsProgram, kShown},
             separator("mnuImportline"),
             {"mnuImportAssets", "Import Assets", 38, A::Command, nullptr, kReports | kExport | kCompany,
              kShown},
             {"mnuImportLog", "Import Log ", 38, A::Command, nullptr, kReports | kExport | kPrint, kShown},
             separator("mnuFileLine"),
             {"mnuExit", "&Exit", 0, A::Command, nullptr, kNeedsNothing, kShown},
         },
         0},
        {"mnuDefaults",
         "&Defaults",
         false,
         {
             {"mnuSelectCompany", "Set Company", 15, A::Command, nullptr, kNeedsNothing, kShown},
             {"mnuDefaultYear", "Set Default Year", 18, A::Report, "Default Year", kReports, kShown},
             {"mnuPassWord", "Enable Password", 0, A::Command, nullptr, kNeedsNothing, Shown::PasswordOff},
             {"mnudisablePwd", "Disable Password", 0, A::Command, nullptr, kNeedsNothing, Shown::PasswordOn},
             {"mnuUsers", "User Maint", 25, A::Table, "Users", kTable, Shown::PasswordOn},
             separator("mnuDefaultBar"),
             {"mnuAccounts", "G\\L Accounts", 23, A::Table, "Accounts", kTable, kShown},
             {"mnuClassMaint", "Asset Classes", 7, A::Table, "AssetClasses", kTable, kShown},
             {"mnuLocation", "Locations", 29, A::Table, "Locations", kTable, kShown},
             {"mnuCompanyMaint", "Company Maint.", 25, A::Table, "Companies", kTable, kShown},
         },
         0},
        {"mnuMaintenance",
         "&Maintenance",
         true,
         {
             {"mnuAssetMaint", "Assets", 25, A::Command, nullptr, kNeedsAssetEntry | kCompany, kShown},
             separator("mnu4562Maint"),
             {"mnu179", "179 Limits", 25, A::Table, "179Rates", kTable, kShown},
             {"mnuAutoQstForEmployees", "Auto Qst for Employer", 25, A::Report, "Auto Question Form",
              kVehicles | kCompany, kShown},
             {"mnuAutoUse", "Auto Use", 25, A::Report, "Auto Use Form", kVehicles | kCompany, kShown},
             {"MnuAutoMax", "Auto Maximum Limits", 25, A::Table, "AutoRates", kTable, kShown},
             {"mnuMisc4562Data", "Miscellanous 4562 Data", 25, A::Table, "Misc4562Data", kTable | kCompany,
              kShown},
         },
         0},
        {"mnuReports",
         "Federal &Reports",
         true,
         {
             {"mnu179WrkSheet", "179 Work Sheet", 30, A::Report, "179 WorkSheet", kReports | kCompany,
              kShown},
             {"mnuADS50Yr", "50 Year Assets", 30, A::Report, "50 Year Assets", kReports | kCompany, kShown},
             {"mnuAutoUseRpt", "Auto Use", 30, A::Report, "Auto Use", kReports | kCompany, kShown},
             {"mnuCurrentWrkSheet", "Current Year Worksheet", 0, A::Report, "Current Year WorkSheet",
              kReports | kCompany, kShown},
             {"mnuAssetWorkSheet", "Depreciation WorkSheet", 30, A::Report, "Depreciation WorkSheet",
              kReports | kCompany, kShown},
             {"mnuDisposedAssets", "Disposed Assets", 30, A::Report, "Disposed Assets", kReports | kCompany,
              kShown},
             {"mnuForm4562_2", "Form 4562 ", 30, A::Report, "Form 4562", kReports | kCompany, kShown},
             {"mnuNewAssets", "New Assets", 30, A::Report, "New Assets", kReports | kCompany, kShown},
             {"mnuNewAssetWorksheet", "New Assets Worksheet", 30, A::Report, "New Assets WorkSheet",
              kReports | kCompany, kShown},
             {"mnuAMTDifferences", "AMT Differences", 0, A::Report, "AMT Differences", kReports | kCompany,
              kShown},
             separator("mnuTaxExportLine"),
             {"mnuExportTaxWorkSheet", "Export Tax WorkSheet", 0, A::ExportYear, "Tax Worksheet",
              kExport | kCompany, kShown},
         },
         0},
        {"mnuBook",
         "&Book",
         false,
         {
             {"mnuDoMthDepr", "Do Monthly Depreciation", 0, A::Command, nullptr, kNeedsMonthlyDepr | kCompany,
              kShown},
             {"mnuBookDeprRange", "Do Book Depreciation for a Range", 0, A::Command, nullptr,
              kNeedsMonthlyDepr | kCompany, kShown},
             {"mnuDisplayPeriod", "Display Next Period", 0, A::Command, nullptr, kNeedsMonthlyDepr | kCompany,
              kShown},
             {"mnuDeleteDepr", "Delete Last Period Depreciation", 0, A::Command, nullptr,
              kNeedsMonthlyDepr | kCompany, kShown},
             separator("mnuline"),
             {"mnuAssetListing", "Asset Listing", 30, A::Command, nullptr, kReports | kPrint | kCompany,
              kShown},
             {"mnuBookAssetLedger", "Book Asset Ledger", 30, A::Report, "Book Asset Ledger",
              kReports | kCompany, kShown},
             {"mnuChartOfAccounts", "Chart of Accounts", 0, A::Report, "Chart of Accounts",
              kReports | kCompany, kShown},
             {"mnuDeprJvDetail", "Depr Jounal Entry - Detail", 30, A::Report, "Depr Journal Detail",
              kReports | kCompany, kShown},
             {"mnuJournalEntry", "Depr Jounal Entry - Summary", 30, A::Report, "Depr Journal Summary",
              kReports | kCompany, kShown},
             {"mnuBookDisposedAssets", "Disposed Assets", 0, A::Report, "Book Disposed Assets",
              kReports | kCompany, kShown},
             {"mnuPropertyTax", "Property Tax Data", 30, A::Report, "Property Tax", kReports | kCompany,
              kShown},
             separator("mnuline2"),
             {"MnuExportJvDetail", "Export JV Detail", 0, A::ExportPeriod, "Depr Journal Detail",
              kExport | kCompany, kShown},
             {"mnuExportJVSummary", "Export JV Summary", 0, A::ExportPeriod, "Depr Journal Summary",
              kExport | kCompany, kShown},
             {"mnuExportPropertyTaxData", "Export Property Tax Data", 0, A::ExportPeriod, "Propery Tax Data",
              kExport | kCompany, kShown},
             {"mnuExportAssetListing", "Export Asset Listing", 0, A::ExportPeriod, "Asset Listing",
              kExport | kCompany, kShown},
             {"mnuExportBookAssetLedger", "Export Book Asset Ledger", 0, A::ExportPeriod, "Book Asset Ledger",
              kExport | kCompany, kShown},
         },
         0},
        {"mnuReportsTax", "Tax Reports", false, {}, kReports | kCompany},
        {"mnuTools",
         "T&ools",
         false,
         {
             {"mnuTagToAssetId", "Tag Nbr to Asset Id", 34, A::Report, "Tag Nbr To Asset ID",
              kReports | kCompany, kShown},
         },
         0},
        {"mnuWindows",
         "&Windows",
         true,
         {
             {"MnuCascade", "&Cascade", 0, A::Command, nullptr, kChild, kShown},
             {"mnuCloseWindows", "Close &All Windows", 0, A::Command, nullptr, kReports | kChild, kShown},
             {"mnuTileHorizontal", "Tile &Horizontal", 0, A::Command, nullptr, kReports | kChild, kShown},
             {"mnuTileVertical", "Tile &Vertical", 0, A::Command, nullptr, kChild, kShown},
         },
         0},
        {"mnuHelp",
         "&Help",
         true,
         {
             {"mnuAbout", "About", 0, A::Command, nullptr, kNeedsProgram, kShown},
             {"mnuHelpContents", "Contents", 0, A::Command, nullptr, kNeedsProgram, kShown},
             {"mnuGettingStarted", "Getting Started", 0, A::Command, nullptr, kNeedsProgram, kShown},
             {"mnuHelpSearch", "Search", 0, A::Command, nullptr, kNeedsProgram, kShown},
             separator("mnublank"),
             {"mnuSupport", "E-Mail Support", 0, A::Command, nullptr, kNeedsProgram, kShown},
             {"mnuReportAbug", "Report a Bug", 0, A::Command, nullptr, kNeedsProgram, kShown},
         },
         0},
    };
    return table;
}

} // namespace qel
