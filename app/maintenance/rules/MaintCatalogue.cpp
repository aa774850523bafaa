// The eight maintained tables. Captions are the program's own, spelling included.
#include "app/maintenance/rules/MaintCatalogue.h"

#include "common/Text.h"
#include "server/support/CompanyPersist.h"
#include "server/support/DeprSupport.h"

namespace qel {
namespace {

std::vector<PickChoice> choices(std::initializer_list<const char*> texts) {
    std::vector<PickChoice> out;
    for (const char* t : texts)
        out.push_back({t, std::nullopt});
    return out;
}

const std::vector<PickChoice> kNoYes = choices({"No", "Yes"});

// Reads a list of DeprSupport that takes no argument.
std::function<Recordset(std::int32_t)> support(Recordset (DeprSupport::*member)()) {
    return [member](std::int32_t) {
        DeprSupport ds;
        return (ds.*member)();
    };
}

} // namespace

const std::vector<MaintTable>& maintTables() {
    using C = MaintCheck;
    static const std::vector<MaintTable> tables = {
        {.key = "Misc4562Data",
         .tableName = "tblMisc4562Data",
         .caption = "Miscellanous 4562 Data",
         .helpId = 590,
         .loader = "Misc4562DataForMaint",
         // Every year of the current company, by year.
         .load = [](std::int32_t companyId) { return DeprSupport().GetMisc4562DataForMaint(companyId, 0); },
         .checks = {{"Year", C::Required},
                    {"Year", C::Numeric},
                    {"Year", C::Range, 1975, 2050},
                    {"179 Carryover", C::Numeric},
                    {"179 Income Limit", C::Numeric},
                    {"Listed Claim", C::YesNo},
                    {"Listed Evidence", C::YesNo},
                    {"Group Assets", C::YesNo},
                    {"168 Property", C::Numeric},
                    {"Other Depr", C::Numeric}},
         .pickLists = {{"Listed Claim", kNoYes},
                       {"Listed Evidence", kNoYes},
                       {"Group Assets", kNoYes},
                       {"Exclude 179", kNoYes}},
         .companyColumn = "company_id"},
        {.key = "179Rates",
         .tableName = "tblMax179",
         .caption = "179 Limits",
         .loader = "Do179Maint",
         .load = support(&DeprSupport::Get179forMaint),
         .checks = {{"Year", C::Required},
                    {"Year", C::Numeric},
                    {"Year", C::Range, 1975, 2050},
                    {"Maximum Amount", C::Required},
                    {"Maximum Amount", C::Numeric},
                    {"Threshold Cost", C::Required},
                    {"Threshold Cost", C::Numeric}}},
        {.key = "AutoRates",
         .tableName = "tblMaxAuto",
         .caption = "Automobile Maximum Limits",
         .loader = "DoMaxAutoMaint",
         .load = support(&DeprSupport::MaxAutoMaint),
         .checks = {{"Year", C::Required},
                    {"Year", C::Numeric},
                    {"Type", C::Required},
                    {"Max Year 1", C::Required},
                    {"Max Year 1", C::Numeric},
                    {"Max Year 2", C::Required},
                    {"Max Year 2", C::Numeric},
                    {"Max Year 3", C::Required},
                    {"Max Year 3", C::Numeric},
                    {"Max Year 4", C::Required},
                    {"Max Year 4", C::Numeric}},
         .pickLists = {{"Type", choices({"Electric", "Gas", "Truck/Van"})}}},
        {.key = "Accounts",
         .tableName = "tblAccounts",
         .caption = "G\\L Accounts",
         .loader = "DoAccounts",
         .load = support(&DeprSupport::GetAccountMaint),
         .checks = {{"Account Descr", C::Required},
                    {"Capital Account", C::Required},
                    {"Accum Acct", C::Required},
                    {"Depr Account", C::Required},
                    {"Gain Loss Acct", C::Required}}},
        {.key = "Users",
         .tableName = "tblPasswords",
         .caption = "User Maintenance",
         .loader = "DoUsers",
         .load = support(&DeprSupport::GetUserMaint),
         .checks = {{"UserId", C::Required}, {"Password", C::Required}, {"UserLevel", C::Required}},
         .pickLists = {{"UserLevel", choices({"User", "Admin"})}},
         .secretField = "Password"},
        {.key = "Locations",
         .tableName = "tblLocations",
         .caption = "Locations",
         .loader = "DoLocations",
         .load = support(&DeprSupport::GetLocationMaint)},
        {.key = "AssetClasses",
         .tableName = "tblDeprClass",
         .caption = "Asset Classes",
         .loader = "DoClassMaint",
         .load = support(&DeprSupport::GetClassMaint),
         .checks = {{"Method", C::Required},
                    {"Description", C::Required},
                    {"Life", C::Required},
                    {"Life", C::Life},
                    {"Life", C::Numeric},
                    {"Life", C::Range, 1, 75},
                    {"If Auto - Type", C::Required},
                    {"If Auto - Type", C::ListedForAuto},
                    {"Amortize #", C::AmortizeCode},
                    {"Amortize #", C::Numeric}},
         .methodField = "Method",
         // The method ids are those of tblDeprMethods.
         .pickLists = {{"Method",
                        {{"ADS", 2}, {"Amortize", 3}, {"Listed", 9}, {"MACRS", 1}, {"MACRS 150", 11}}},
                       {"If Auto - Type", {{"N/A", 1}, {"Gas", 2}, {"Electric", 3}, {"Truck/Van", 4}}},
                       {"Account Descr", {}, true}},
         .idColumns = {{"Method", "Method_Id"}, {"Account Descr", "Id_acct"}}},
        {.key = "Companies",
         .tableName = "tblCompany",
         .caption = "Companies",
         .loader = "DoCompanyMaint",
         .load = [](std::int32_t) { return CompanyPersist().GetCompanyMaintData(); },
         .checks = {{"Company Name", C::Required},
                    {"Owner", C::Required},
                    {"Tax Id", C::Required},
                    {"Year End Month", C::Range, 1, 12}},
         .pickLists = {{"AMT Book", kNoYes}, {"State Book", kNoYes}, {"Other Book", kNoYes}},
         .fitToMainWindow = true},
    };
    return tables;
}

const MaintTable* findMaintTable(std::string_view key) {
    for (const MaintTable& t : maintTables())
        if (t.key == key)
            return &t;
    return nullptr;
}

const MaintTable* findMaintTableByName(std::string_view tableName) {
    for (const MaintTable& t : maintTables())
        if (t.tableName == tableName)
            return &t;
    return nullptr;
}

int fieldPosition(const std::vector<Field>& fields, std::string_view name) {
    if (name.empty())
        return -1;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (trimBlanks(fields[i].name) == name)
            return static_cast<int>(i);
    return -1;
}

} // namespace qel
