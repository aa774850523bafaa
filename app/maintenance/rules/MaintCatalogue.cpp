// The eight maintained tables. Captions are the program's own, spelling included.
#include "app/maintenance/rules/MaintCatalogue.h"

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
    static const std::vector<MaintTable> tables = {
        {.key = "Misc4562Data",
         .tableName = "tblMisc4562Data",
         .caption = "Miscellanous 4562 Data",
         .helpId = 590,
         .loader = "Misc4562DataForMaint",
         // Every year of the current company, by year.
         .load = [](std::int32_t companyId) { return DeprSupport().GetMisc4562DataForMaint(companyId, 0); },
         .pickLists = {{3, kNoYes}, {4, kNoYes}, {5, kNoYes}, {9, kNoYes}},
         .companyColumn = "company_id"},
        {.key = "179Rates",
         .tableName = "tblMax179",
         .caption = "179 Limits",
         .loader = "Do179Maint",
         .load = support(&DeprSupport::Get179forMaint)},
        {.key = "AutoRates",
         .tableName = "tblMaxAuto",
         .caption = "Automobile Maximum Limits",
         .loader = "DoMaxAutoMaint",
         .load = support(&DeprSupport::MaxAutoMaint),
         .pickLists = {{1, choices({"Electric", "Gas", "Truck/Van"})}}},
        {.key = "Accounts",
         .tableName = "tblAccounts",
         .caption = "G\\L Accounts",
         .loader = "DoAccounts",
         .load = support(&DeprSupport::GetAccountMaint)},
        {.key = "Users",
         .tableName = "tblPasswords",
         .caption = "User Maintenance",
         .loader = "DoUsers",
         .load = support(&DeprSupport::GetUserMaint),
         .pickLists = {{2, choices({"User", "Admin"})}},
         .secretColumn = 1},
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
         // The method ids are those of tblDeprMethods.
         .pickLists = {{0, {{"ADS", 2}, {"Amortize", 3}, {"Listed", 9}, {"MACRS", 1}, {"MACRS 150", 11}}},
                       {3, {{"N/A", 1}, {"Gas", 2}, {"Electric", 3}, {"Truck/Van", 4}}},
                       {5, {}, true}},
         .idColumns = {{0, "Method_Id"}, {5, "Id_acct"}}},
        {.key = "Companies",
         .tableName = "tblCompany",
         .caption = "Companies",
         .loader = "DoCompanyMaint",
         .load = [](std::int32_t) { return CompanyPersist().GetCompanyMaintData(); },
         .pickLists = {{9, kNoYes}, {10, kNoYes}, {11, kNoYes}},
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

} // namespace qel
