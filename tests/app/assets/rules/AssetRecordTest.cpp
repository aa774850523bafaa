// The asset record of a save: its working values, the value list of a new asset, the UPDATE of a
// stored one, the description row and the deletion statements.
#include "app/assets/rules/AssetRecord.h"

#include "common/ServerError.h"

#include <gtest/gtest.h>

namespace qel::assets {
namespace {

// A MACRS desk of a company whose fiscal year is the calendar year.
AssetSnapshot desk() {
    AssetSnapshot a;
    a.description = "Desk";
    a.inService = "03/2024";
    a.sold = kEmptyMonth;
    a.cost = "1000";
    a.method = "MACRS";
    a.methodId = 1;
    a.life = "7";
    a.lifeIndex = 2;
    a.businessPercent = "75";
    a.conventionId = 1;
    a.allowance = "";
    a.methodCaption = "200 DB";
    a.bookCost = "1000";
    a.bookLife = "5";
    a.accountId = 4;
    a.account = "Furniture";
    a.adjustDepr = true;
    a.notes = "  Bob's desk  ";
    return a;
}

std::size_t count(const std::string& text, const std::string& piece) {
    std::size_t n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++n;
    return n;
}

TEST(AssetRecord, WorkingValuesOfTheForm) {
    AssetSnapshot a = desk();
    a.section179 = "100.5";
    a.otherDeductions = "50";
    a.allowance = "30";
    a.sold = "02/2026";
    a.dispositionAmt = "70000.5";
    a.vehicleNum = "3";
    const AssetRecord r = AssetRecordOf(a, 7, 6);
    EXPECT_EQ(r.companyId, 7);
    EXPECT_EQ(r.notes, "Bob's desk");
    EXPECT_EQ(r.inService, Date(2024, 3, 1));
    // A June year end: March 2024 is month 9 of fiscal 2024, February 2026 month 8 of fiscal 2026.
    EXPECT_EQ(r.fiscalStart, Date(2024, 9, 1));
    EXPECT_EQ(r.fiscalSold, Date(2026, 8, 1));
    EXPECT_EQ(r.fiscalEnd, Date(2029, 9, 1));
    EXPECT_EQ(r.soldDate, Date(2026, 2, 1));
    EXPECT_DOUBLE_EQ(r.businessFraction, 0.75);
    // 1000 x 0.75 - (100.5 + 30 + 50) = 569.5, half to even.
    EXPECT_EQ(r.costBasis, 570);
    EXPECT_EQ(r.wholeSection179, 100);
    EXPECT_EQ(r.wholeSoldAmt, 70000);
    EXPECT_EQ(r.vehicleNum, 3);
    EXPECT_EQ(r.lifeId, 2);
    EXPECT_EQ(r.vehicleType, "N");
}

TEST(AssetRecord, NothingChosenStoresZeros) {
    AssetSnapshot a = desk();
    a.lifeIndex = -1;
    a.conventionId = 0;
    a.classChosen = false;
    a.classId = 0;
    const AssetRecord r = AssetRecordOf(a, 1, 12);
    EXPECT_EQ(r.lifeId, 0);
    EXPECT_EQ(r.conventionId, 0);
    EXPECT_EQ(r.classId, 0);
    EXPECT_EQ(r.fiscalSold, Date::noDate());
    EXPECT_EQ(r.soldDate, Date::noDate());
}

TEST(AssetRecord, AmortizeTakesTheClassCode) {
    AssetSnapshot a = desk();
    a.method = "Amortize";
    a.life = "";
    a.classChosen = true;
    a.classText = "Goodwill" + std::string(50, ' ') + "15-N\\197";
    const AssetRecord r = AssetRecordOf(a, 1, 12);
    EXPECT_EQ(r.amortizeCode, 197);
    EXPECT_EQ(r.life, 15);
    EXPECT_EQ(AssetRecordOf(desk(), 1, 12).amortizeCode, 0);
}

TEST(AssetRecord, CaptionAndSection179AreTheOnesTheFiguresGive) {
    struct Case {
        const char* name;
        const char* life;
        const char* percent;
        const char* shownCaption; // what an earlier rule left on the form
        std::string caption;
        bool type179;
    } cases[] = {
        {"building", "39", "100", "200 DB", "S/L", false},
        {"rental", "27.5", "100", "200 DB", "S/L", false},
        {"old building", "31.5", "100", "200 DB", "S/L", false},
        {"desk", "7", "100", "", "200 DB", true},
        {"paving", "15", "100", "200 DB", "150 DB", true},
        {"desk in half business use", "7", "50", "200 DB", "S/L", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AssetSnapshot a = desk();
        a.life = c.life;
        a.businessPercent = c.percent;
        a.methodCaption = c.shownCaption;
        a.type179 = true;
        const AssetRecord r = AssetRecordOf(a, 1, 12);
        EXPECT_EQ(r.methodCaption, c.caption);
        EXPECT_EQ(r.type179, c.type179);
    }
}

TEST(AssetRecord, TheTickedBonusBoxIsKept) {
    struct Case {
        bool bonus30, bonus50, bonus100;
        std::int32_t choice;
    } cases[] = {
        {false, false, false, 0}, {true, false, false, 3}, {false, true, false, 5}, {false, false, true, 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        AssetSnapshot a = desk();
        a.bonus30 = c.bonus30;
        a.bonus50 = c.bonus50;
        a.bonus100 = c.bonus100;
        const AssetRecord r = AssetRecordOf(a, 1, 12);
        EXPECT_EQ(r.bonusChoice, c.choice);
        EXPECT_NE(UpdateAssetSql(r, 57).find(", Bonus_Choice = " + std::to_string(c.choice) + " "),
                  std::string::npos);
    }
}

TEST(AssetRecord, BadInputIsRefused) {
    struct Case {
        const char* name;
        void (*spoil)(AssetSnapshot&);
    } cases[] = {
        {"NoInServiceMonth", [](AssetSnapshot& a) { a.inService = kEmptyMonth; }},
        {"LifeNoNumber", [](AssetSnapshot& a) { a.life = "seven"; }},
        {"SaleNoMonth", [](AssetSnapshot& a) { a.sold = "13/2025"; }},
        {"SaleAmountBeyond32Bits", [](AssetSnapshot& a) { a.dispositionAmt = "9999999999"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AssetSnapshot a = desk();
        c.spoil(a);
        EXPECT_THROW(AssetRecordOf(a, 1, 12), ServerError);
    }
    EXPECT_THROW(AssetRecordOf(desk(), 1, 13), ServerError);
}

TEST(AssetRecord, VehicleTypeOfTheClass) {
    struct Case {
        const char* name;
        bool chosen;
        std::string classText;
        const char* type;
    } cases[] = {
        {"Gas", true, "Car" + std::string(50, ' ') + "5-Gas\\0", "G"},
        {"NotAVehicle", true, "Desk" + std::string(50, ' ') + "7-N/A\\0", "N"},
        {"NoClass", false, "", "N"},
        {"DashLast", true, "Odd" + std::string(20, ' ') + "123456789012-", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AssetSnapshot a;
        a.classChosen = c.chosen;
        a.classText = c.classText;
        EXPECT_EQ(DetermineAutoType(a), c.type);
    }
}

TEST(AssetRecord, ValueListWithAndWithoutExclude) {
    AssetRecord r = AssetRecordOf(desk(), 1, 12);
    EXPECT_EQ(AssetValues(r),
              "1, 'Desk' ,1000,0,0, '2024-03-01', 1, 7,1, 0,0.75, '1900-01-01', 0, 'Bob`s desk', "
              "0, 2, 0, 0, '200 DB',0 ,'2024-03-01', '2029-03-01', '1900-01-01', 0, 1, 5, 1000, 4");
    r.exclude = true;
    EXPECT_EQ(AssetValues(r),
              "1, 'Desk' ,1000,0,0, '2024-03-01', 1, 7,1, 0,0.75, '1900-01-01', 0, 'Bob`s desk', "
              "0, 2, 0, 0, '200 DB',0 ,'2024-03-01', '2029-03-01', '1900-01-01', 0");
}

TEST(AssetRecord, TypedCostIsStoredAsItsNumber) {
    AssetSnapshot a = desk();
    a.cost = "1000); DROP TABLE tblAssets; --";
    const std::string values = AssetValues(AssetRecordOf(a, 1, 12));
    EXPECT_EQ(values.find("DROP"), std::string::npos);
    EXPECT_NE(values.find(" ,1000,"), std::string::npos);
}

TEST(AssetRecord, UpdateOfAStoredAsset) {
    AssetRecord r = AssetRecordOf(desk(), 1, 12);
    const std::string update = UpdateAssetSql(r, 57);
    EXPECT_EQ(
        update,
        " Update tblAssets Set asset_name = 'Desk', Cost = 1000, [allowance 30 %] = 0, other_deductions = 0,"
        " [179_deduction] = 0, In_Service_date = '2024-03-01', depr_method = 1, life = 7, Convention = 1,"
        " bussiness_percent = 0.75, sold_date = '1900-01-01', sold_amt = 0 , notes = 'Bob`s desk',"
        " depr_class_id = 0 , life_id = 2, Amortize_code = 0, Vehicle_num = 0 , actual_method = '200 DB'"
        " , Type_179 = 0, fiscal_start_date = '2024-03-01' , fiscal_end_date = '2029-03-01',"
        " fiscal_sold_date = '1900-01-01', Bonus_Choice = 0 , Do_Depr_Adj = 1, book_life = 5, book_cost = "
        "1000,"
        " Id_acct = 4 Where Asset_num = 57");
    EXPECT_EQ(count(update, " = "), 28u); // 27 assignments and the condition
    r.exclude = true;
    const std::string excluded = UpdateAssetSql(r, 57);
    EXPECT_EQ(count(excluded, " = "), 24u);
    EXPECT_EQ(excluded.find("book_cost"), std::string::npos);
    EXPECT_EQ(excluded.substr(excluded.size() - 21), " Where Asset_num = 57");
    // The same form twice sends the same statement.
    EXPECT_EQ(UpdateAssetSql(AssetRecordOf(desk(), 1, 12), 57), update);
}

TEST(AssetRecord, DescriptionRow) {
    AssetSnapshot a = desk();
    a.tagNbr = "T'1";
    a.serialNbr = "S-9";
    const std::vector<std::string> withoutLocation = DescriptionSql(57, AssetDescriptionOf(a));
    EXPECT_EQ(withoutLocation, (std::vector<std::string>{
                                   " Delete from tblAssetDescription where [Asset Id] = 57",
                                   " Insert into tblAssetDescription ([Asset Id]) values (57)",
                                   " Update tblAssetDescription set [Tag Number] = 'T`1', [Serial Number] = "
                                   "'S-9', [Long Description] = '' where [Asset Id] = 57"}));
    a.locationChosen = true;
    a.locationId = 3;
    EXPECT_EQ(
        DescriptionSql(57, AssetDescriptionOf(a)).back(),
        " Update tblAssetDescription set [Tag Number] = 'T`1', [Serial Number] = 'S-9', Location_id = 3,"
        " [Long Description] = '' where [Asset Id] = 57");
}

TEST(AssetRecord, DeletionStatements) {
    EXPECT_EQ(DeleteAssetSql(57, 2),
              (std::vector<std::string>{"Delete from tblAssets where asset_num = 57 and company_id = 2",
                                        "Delete from tblAssetDescription where [asset id] = 57",
                                        "Delete from tblDepr where asset_num = 57 and client_num = 2",
                                        "Delete from tblPeriodDepr where asset_num = 57 and client_num = 2",
                                        "Delete from tblBookMethods where assetId = 57 and clientId = 2"}));
}

} // namespace
} // namespace qel::assets
