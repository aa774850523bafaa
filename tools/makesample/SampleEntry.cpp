// Entering the sample company through the program's rules.
#include "tools/makesample/SampleEntry.h"

#include "app/assets/rules/AssetAmounts.h"
#include "app/assets/rules/AssetRecord.h"
#include "app/assets/rules/AssetStore.h"
#include "app/assets/rules/AssetValidation.h"
#include "app/assets/rules/DeprRunPlan.h"
#include "app/assets/rules/FieldRules.h"
#include "app/assets/rules/VehicleLimits.h"
#include "app/maintenance/rules/MaintCatalogue.h"
#include "app/maintenance/rules/MaintCells.h"
#include "app/maintenance/rules/MaintStatements.h"
#include "app/maintenance/rules/MaintValidation.h"
#include "app/vehicles/rules/VehicleData.h"
#include "common/Convert.h"
#include "common/ServerError.h"
#include "server/data/Db.h"
#include "server/engine/MonthlyDepr.h"
#include "server/reporting/Auto.h"
#include "server/support/AssetCodes.h"
#include "server/support/DeprSupport.h"
#include "tools/makesample/SampleCompany.h"

#include <map>
#include <optional>

namespace qel::sample {
namespace {

using namespace qel::assets;

// The day the entry takes as today: the last day of the working year, so that the validation's
// question about in-service months in the future never depends on the build's clock.
constexpr Date kToday(kWorkingYear, 12, 31);

[[noreturn]] void refuse(const std::string& what, const std::string& why) {
    throw EntryRefused(what + ": " + why);
}

// Runs one part of the entry; a data server failure becomes a refusal naming the part.
template <typename F> auto entering(const std::string& what, F&& part) {
    try {
        return part();
    } catch (const ServerError& e) {
        refuse(what, e.description());
    }
}

// The item data of the entry of a combo source (text in field 0, item data in field 1) that
// reads `text`, as the user picks it.
std::int32_t pick(const Recordset& source, const std::string& text, const std::string& what) {
    for (const RecordsetRow row : source.rows())
        if (row.at(0).toString() == text)
            return row.at(1).toInt32();
    refuse(what, "the list offers no \"" + text + "\"");
}

// Adds a row to a maintained table as its window does: the edit fields go through the window's
// checks (which may correct them), then its INSERT runs. One value per list field but the key.
void addMaintRow(const char* key, std::vector<MaintEditValue> values, const std::string& what) {
    const MaintTable* table = findMaintTable(key);
    if (!table)
        refuse(what, std::string("no maintained table ") + key);
    const Recordset list = table->load(kCompanyId);
    std::vector<MaintFieldState> fields;
    for (std::size_t i = 0; i < values.size() && i < list.fieldCount(); ++i)
        fields.push_back({values[i].text, std::string(trimBlanks(list.field(i).name)) + ": ", true,
                          values[i].itemData ? std::nullopt : maintNumberRange(list.field(i))});
    const MaintValidation check = bValid(table->tableName, fields);
    if (!check.valid)
        refuse(what, check.status);
    for (std::size_t i = 0; i < fields.size(); ++i)
        values[i].text = fields[i].text;
    const SqlStatement insert = CreateInsertSQL({*table, list.fields(), std::move(values), kCompanyId});
    db().ExecuteSql(insert.sql, insert.params);
}

// An edit field as typed, with no pick-list entry.
MaintEditValue typed(const std::string& text) {
    return {text, std::nullopt};
}

// The item data of a pick list's entry of a maintained table.
std::optional<std::int32_t> choiceOf(const char* key, const std::string& field, const std::string& text) {
    for (const PickList& list : findMaintTable(key)->pickLists)
        if (list.field == field)
            for (const PickChoice& choice : list.choices)
                if (choice.text == text)
                    return choice.itemData;
    return std::nullopt;
}

void enterLists() {
    for (const SampleAccount& a : sampleAccounts()) {
        const std::string what = "account " + a.description;
        entering(what, [&] {
            addMaintRow("Accounts",
                        {typed(a.description), typed(a.capital), typed(a.accumulated), typed(a.depreciation),
                         typed(a.gainLoss)},
                        what);
        });
    }
    for (const SampleLocation& l : sampleLocations()) {
        const std::string what = "location " + l.shortName;
        entering(what, [&] { addMaintRow("Locations", {typed(l.shortName), typed(l.longName)}, what); });
    }
    for (const SampleClass& c : sampleClasses()) {
        const std::string what = "asset class " + c.description;
        entering(what, [&] {
            const std::int32_t account = pick(DeprSupport().GetAccountsCbo(), c.account, what);
            addMaintRow("AssetClasses",
                        {{c.method, choiceOf("AssetClasses", "Method", c.method)},
                         typed(c.description),
                         typed(c.life),
                         {c.vehicleType, choiceOf("AssetClasses", "If Auto - Type", c.vehicleType)},
                         typed(c.amortizeCode),
                         {c.account, account}},
                        what);
        });
    }
}

// The position of a life in the method's life list; -1 for a method without a list (its life is
// typed). A life its list does not offer is refused.
int lifePosition(const std::string& method, const std::string& life, const std::string& what) {
    const Recordset lives = DeprSupport().GetLives(method);
    for (std::size_t i = 0; i < lives.rows().size(); ++i)
        if (lives.rows()[i].at(0).toDouble() == leadingNumber(life))
            return static_cast<int>(i);
    if (lives.RecordCount() > 0)
        refuse(what, "the " + method + " life list offers no " + life);
    return -1;
}

std::int16_t conventionOfEntry(int entry) {
    return entry == kMidMonthEntry ? kMidMonth : kHalfYear;
}

// The asset form as a user leaves it after typing the asset in, field by field in tab order,
// each rule applied as the form applies it when the field is left.
AssetSnapshot filledForm(const SampleAsset& s, const std::string& what) {
    AssetSnapshot a;
    bool deductions = false; // section 179 and the bonus boxes switched on
    auto apply = [&](Deductions d) {
        if (d == Deductions::On)
            deductions = true;
        else if (d != Deductions::Keep)
            deductions = false;
    };
    a.description = s.description;
    a.inService = s.inService;
    a.cost = s.cost;
    a.businessPercent = "100"; // what a new asset shows, as Adjust Depr ticked
    a.adjustDepr = true;
    a.method = s.method;
    a.methodId = pick(DeprSupport().GetMethods(), s.method, what);
    const MethodRule method = MethodLeft(a.method, true);
    apply(method.deductions);
    if (method.convention >= 0)
        a.conventionId = conventionOfEntry(method.convention);
    if (method.zeroLives) {
        // Filled, not assigned from a literal, which draws a false -Wrestrict from GCC 12 in Release.
        a.life.assign(1, '0');
        a.bookLife = a.life;
    }
    if (!s.className.empty()) {
        const Recordset classes = DeprSupport().GetTypes(a.methodId);
        const std::string lead = s.className + std::string(50, ' ');
        for (const RecordsetRow row : classes.rows())
            if (row.at(0).toString().starts_with(lead)) {
                a.classText = row.at(0).toString();
                a.classId = row.at(1).toInt32();
                a.classChosen = true;
            }
        if (!a.classChosen)
            refuse(what, "the " + s.method + " class list offers no \"" + s.className + "\"");
        const ClassRule rule = *ClassLeft(a);
        if (rule.midMonth)
            a.conventionId = kMidMonth;
        apply(rule.deductions);
        if (rule.vehicle && a.vehicleNum.empty())
            a.vehicleNum = std::to_string(Auto().GetNextVehicleNum(0, kCompanyId));
        a.amortizeCode = rule.amortizeCode;
        if (rule.classLife) {
            a.life = *rule.classLife;
            a.lifeIndex = lifePosition(a.method, a.life, what);
        }
    } else {
        a.life = s.life;
        a.lifeIndex = lifePosition(a.method, a.life, what);
        const LifeRule rule = LifeLeft(a);
        if (rule.convention >= 0)
            a.conventionId = conventionOfEntry(rule.convention);
        apply(rule.deductions);
    }
    a.methodCaption = MethodCaption(a.method, a.life);
    if (s.businessPercent != a.businessPercent) {
        a.businessPercent = s.businessPercent;
        const BusinessPercentRule rule = BusinessPercentLeft(a);
        apply(rule.deductions);
        if (!rule.methodCaption.empty())
            a.methodCaption = rule.methodCaption;
    }
    if (!s.section179.empty() || s.bonus != Bonus::None) {
        if (!deductions)
            refuse(what, "the form offers no section 179 expense or bonus for this asset");
        a.type179 = !s.section179.empty();
        a.section179 = s.section179;
        a.bonus30 = s.bonus == Bonus::Percent30;
        a.bonus50 = s.bonus == Bonus::Percent50;
        a.bonus100 = s.bonus == Bonus::Percent100;
    }
    const Recomputed amounts = RecomputeAllowanceAndBasis(a);
    if (amounts.allowance)
        a.allowance = *amounts.allowance;
    a.costBasis = amounts.basis.caption;
    a.sold = s.sold.empty() ? kEmptyMonth : s.sold;
    a.dispositionAmt = s.soldAmt;
    a.bookCost = s.bookCost;
    a.bookLife = s.bookLife;
    a.account = s.account;
    a.accountId = pick(DeprSupport().GetAccountsCbo(), s.account, what);
    if (!s.location.empty()) {
        a.locationId = pick(DeprSupport().GetLocationsCbo(), s.location, what);
        a.locationChosen = true;
    }
    a.tagNbr = s.tag;
    a.serialNbr = s.serial;
    a.notes = s.notes;
    return a;
}

// Saves the form as its Save button does: the validation (a stored asset's question about its
// prior in-service year answered OK, any other question refused), the vehicle limit check, and
// the save with its depreciation run. Any message of the validation, a warning included, refuses
// the asset. Returns the asset's number.
std::int32_t save(const AssetSnapshot& a, std::int32_t storedAsset, const std::string& what) {
    ValidationContext context;
    context.flags.editMode = storedAsset > 0;
    context.workingYear = kWorkingYear;
    context.today = kToday;
    const ValidationResult check =
        ValidateAsset(a, context, [&](const std::string& title, const std::string&) {
            return context.flags.editMode && title == "Prior year asset.";
        });
    if (check.invalid || !check.message.empty())
        refuse(what, check.cancelled ? "the validation asked a question" : check.message);

    AssetSave asset;
    asset.record = AssetRecordOf(a, kCompanyId, GetFiscalEndMth(kCompanyId));
    asset.description = AssetDescriptionOf(a);
    asset.storedAsset = storedAsset;
    const AssetRecord& r = asset.record;
    if (r.vehicleType != "N") {
        const VehicleLimitOutcome outcome = CheckVehicleLimit(VehicleLimitOf(r, a), a);
        if (outcome.kind != VehicleLimitOutcome::Go)
            refuse(what, "the vehicle limit check stopped the save: " + outcome.message);
    }
    SaveStep step = SaveStep::Asset;
    return StoreAsset(asset, step);
}

// The sample company keeps no alternative book, so a save stores none.
void requireNoBooks() {
    Recordset books = DeprSupport().GetBooksSettings(kCompanyId);
    if (books.IsEOF())
        refuse("the sample company", "it is not in the database");
    for (const char* book : {"Amt Book", "State Book", "Other Book"})
        if (books[book].toBool())
            refuse("the sample company",
                   std::string("it keeps the ") + book + ", which the sample does not fill");
}

// The car's yearly use as the vehicle use window stores it, the employer's answers of each year,
// then the car saved again so that its schedule weighs each year by the use stored for it.
void enterVehicleUse(std::int32_t car, const AssetSnapshot& form) {
    const std::int32_t vehicle = whole32(leadingNumber(form.vehicleNum), "vehicle number");
    for (const SampleVehicleUse& u : sampleVehicleUse()) {
        const std::string what = "the use of " + sampleVehicle() + " in " + std::to_string(u.year);
        entering(what, [&] {
            const VehicleTable table = loadVehicleColumns(kCompanyId, u.year);
            const std::optional<int> column = columnOfVehicle(table, vehicle);
            if (!column)
                refuse(what, "the vehicle use window shows no column for it");
            UseEntries entries{};
            entries[*column - 1] = {.changed = true,
                                    .business = u.business,
                                    .commuting = u.commuting,
                                    .personal = u.personal,
                                    .answers = {true, false, true}};
            const UseCheck check = checkUseEntries(entries);
            if (!check.ok)
                refuse(what, check.message);
            storeUseColumns(kCompanyId, u.year, table, entries);
            storeEmployerAnswers(kCompanyId, u.year, StoredAnswers{}, false);
        });
    }
    AssetSnapshot stored = form;
    stored.assetId = std::to_string(car);
    entering(sampleVehicle(), [&] { return save(stored, car, sampleVehicle()); });
}

// Posts the monthly book periods in order, from the first the company has through the last one
// the sample posts.
void postPeriods() {
    entering("the monthly book periods", [] {
        MonthlyDepr monthly;
        for (std::string period = monthly.GetNextFiscalPeriod(kCompanyId);
             !period.empty() && period <= kLastPostedPeriod; period = monthly.GetNextFiscalPeriod(kCompanyId))
            monthly.DoMonthlyDepr(period, kCompanyId);
    });
}

} // namespace

void enterSampleCompany() {
    Transaction tx(requireConnection());
    entering("the sample company", [] { requireNoBooks(); });
    enterLists();
    std::optional<std::pair<std::int32_t, AssetSnapshot>> car;
    for (const SampleAsset& s : sampleAssets()) {
        const std::string what = "asset " + s.description;
        entering(what, [&] {
            const AssetSnapshot form = filledForm(s, what);
            const std::int32_t number = save(form, 0, what);
            if (s.description == sampleVehicle())
                car.emplace(number, form);
        });
    }
    if (!car)
        refuse(sampleVehicle(), "it is not among the sample assets");
    enterVehicleUse(car->first, car->second);
    postPeriods();
    tx.commit();
}

} // namespace qel::sample
