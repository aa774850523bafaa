// The sample database a new user starts on: it is sound, every depreciable asset of the sample
// company has a schedule that adds up and ends at its basis (or at its sale), the disposed asset
// carries its gain, every asset shows again on the asset form and passes its Save checks
// unchanged, and the next monthly period to post is the one after the last posted.
#include "app/assets/rules/AssetAmounts.h"
#include "app/assets/rules/AssetValidation.h"
#include "app/assets/rules/StoredAsset.h"
#include "common/Convert.h"
#include "server/engine/MonthlyDepr.h"
#include "server/support/DeprSupport.h"
#include "tests/testsupport/FreshDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace qel {
namespace {

constexpr std::int32_t kSampleCompany = 1;

class SampleDatabaseTest : public ::testing::Test {
protected:
    test::FreshDatabase db{std::filesystem::path(QEL_SAMPLE_DATABASE)};

    // The sample company's assets: number, name, method, depreciable basis in whole dollars
    // (cost x business fraction less section 179, allowance and other deductions), sale date
    // and amount, business fraction and gain or loss.
    Recordset assets() const {
        return db.conn().query(
            "SELECT Asset_num, Asset_name, Method, Cost * bussiness_percent - [179_deduction] - "
            "[Allowance 30 %] - other_deductions AS basis, sold_date, sold_amt, bussiness_percent, gain_loss "
            "FROM tblAssets INNER JOIN tblDeprMethods ON tblDeprMethods.ID = tblAssets.depr_method "
            "WHERE Company_Id = 1 ORDER BY Asset_num");
    }
};

TEST_F(SampleDatabaseTest, PassesTheIntegrityCheck) {
    EXPECT_EQ(db.value("PRAGMA integrity_check").toString(), "ok");
}

TEST_F(SampleDatabaseTest, EveryDepreciableAssetHasAScheduleThatAddsUp) {
    const Recordset rs = assets();
    ASSERT_GE(rs.RecordCount(), 10u);
    for (const RecordsetRow a : rs.rows()) {
        SCOPED_TRACE(a[1].toString());
        const Recordset rows =
            db.conn().query("SELECT [year], depr, accum_depr FROM tblDepr WHERE asset_num = ? "
                            "AND BookId = 1 AND client_num = 1 ORDER BY [year]",
                            {a[0]});
        if (a[2].toString() == "Non-Depr") {
            EXPECT_EQ(rows.RecordCount(), 0u);
            continue;
        }
        ASSERT_GT(rows.RecordCount(), 0u);
        double sum = 0;
        std::int64_t year = rows.rows().front()[0].toInt64() - 1;
        for (const RecordsetRow r : rows.rows()) {
            EXPECT_EQ(r[0].toInt64(), year + 1) << "the years follow each other";
            year = r[0].toInt64();
            sum += r[1].toDouble();
            EXPECT_NEAR(r[2].toDouble(), sum, 0.005) << "year " << year;
        }
        const double basis = a[3].toDouble();
        const bool sold = a[4].toDate() > Date::noDate();
        if (sold)
            EXPECT_LT(sum, basis);
        else
            EXPECT_NEAR(sum, roundHalfEven(basis), 0.005);
    }
}

TEST_F(SampleDatabaseTest, TheDisposedAssetCarriesItsGain) {
    int disposed = 0;
    const Recordset rs = assets();
    for (const RecordsetRow a : rs.rows()) {
        if (!(a[4].toDate() > Date::noDate()))
            continue;
        ++disposed;
        SCOPED_TRACE(a[1].toString());
        const double accumulated =
            db.value("SELECT max(accum_depr) FROM tblDepr WHERE BookId = 1 AND asset_num = " +
                     a[0].toString())
                .toDouble();
        // The business share of the price less the basis not yet depreciated.
        const double gain = a[5].toDouble() * a[6].toDouble() - (a[3].toDouble() - accumulated);
        EXPECT_NE(gain, 0);
        EXPECT_NEAR(a[7].toDouble(), roundHalfEven(gain), 0.005);
    }
    EXPECT_EQ(disposed, 1);
}

// The form as the load shows a stored asset, enough for the Save checks.
assets::AssetSnapshot shownOnForm(const assets::StoredAsset& s, const std::string& classText,
                                  const std::string& lifeShown, std::int32_t methodId) {
    assets::AssetSnapshot a;
    a.assetId = std::to_string(s.assetNum);
    a.description = s.description;
    a.inService = s.inService;
    a.cost = s.cost;
    a.method = s.method;
    a.methodId = methodId;
    a.classText = classText;
    a.classId = s.classId;
    a.classChosen = s.classId > 0;
    a.life = lifeShown;
    a.businessPercent = s.businessPercent;
    a.conventionId = static_cast<std::int16_t>(s.conventionId);
    a.type179 = s.type179;
    a.section179 = s.section179;
    a.otherDeductions = s.otherDeductions;
    a.allowance = s.allowanceText;
    a.costBasis = assets::CalculateCostBasis(a).caption;
    a.methodCaption = s.methodCaption;
    a.amortizeCode = s.method == "Amortize" ? s.amortizeCode : "";
    a.vehicleNum = s.vehicleNum;
    a.sold = s.sold ? s.soldMonth : assets::kEmptyMonth;
    a.dispositionAmt = s.soldAmt;
    a.bookCost = s.bookCost;
    a.bookLife = s.bookLife;
    a.accountId = s.accountId;
    a.locationId = s.locationId;
    a.locationChosen = s.locationId > 0;
    return a;
}

// The text of the entry with that item data (field 1) of a combo source; "" when none has it.
std::string entryText(const Recordset& source, std::int32_t itemData) {
    for (const RecordsetRow row : source.rows())
        if (row.at(1).toInt32() == itemData)
            return row.at(0).toString();
    return {};
}

TEST_F(SampleDatabaseTest, EveryAssetShowsOnTheAssetFormAndSavesAgainUnchanged) {
    DeprSupport support;
    const Recordset rs = assets();
    for (const RecordsetRow row : rs.rows()) {
        SCOPED_TRACE(row[1].toString());
        const assets::StoredAsset s =
            assets::StoredAssetOf(support.GetAsset(row[0].toInt32(), kSampleCompany));
        const std::int32_t methodId =
            db.value("SELECT depr_method FROM tblAssets WHERE Asset_num = " + std::to_string(s.assetNum))
                .toInt32();
        ASSERT_EQ(entryText(support.GetMethods(), methodId), s.method);

        std::string lifeShown = s.life;
        if (assets::loadsLifeList(s.method, s.lifeId)) {
            const Recordset lives = support.GetLives(s.method);
            ASSERT_LT(static_cast<std::size_t>(s.lifeId), lives.RecordCount());
            EXPECT_EQ(lives.rows()[s.lifeId][0].toDouble(), leadingNumber(s.life)) << "the life list's entry";
            lifeShown = lives.rows()[s.lifeId][0].toString();
        }
        std::string classText;
        if (s.classId > 0) {
            classText = entryText(support.GetTypes(methodId), s.classId);
            EXPECT_NE(classText, "") << "the class is in the method's class list";
        }
        assets::AssetSnapshot shown = shownOnForm(s, classText, lifeShown, methodId);
        shown.account = entryText(support.GetAccountsCbo(), s.accountId);
        EXPECT_NE(shown.account, "") << "the account is in the account list";
        if (s.locationId > 0) {
            EXPECT_NE(entryText(support.GetLocationsCbo(), s.locationId), "") << "the location list";
        }
        if (s.allowance > 0) {
            EXPECT_TRUE(assets::BonusEligible(shown));
            const assets::BonusBox box = assets::StoredBonusBox(shown, s.allowanceText, s.bonusChoice);
            EXPECT_NE(box, assets::BonusBox::None) << "a bonus box is ticked";
            shown.bonus30 = box == assets::BonusBox::Bonus30;
            shown.bonus50 = box == assets::BonusBox::Bonus50;
            shown.bonus100 = box == assets::BonusBox::Bonus100;
        }

        assets::ValidationContext context;
        context.flags.editMode = true;
        context.flags.sold = s.sold;
        context.workingYear = 2025;
        context.today = Date(2025, 12, 31);
        const assets::ValidationResult check = assets::ValidateAsset(
            shown, context, [](const std::string&, const std::string&) { return true; });
        EXPECT_FALSE(check.invalid) << check.message;
        EXPECT_EQ(check.message, "");
    }
}

TEST_F(SampleDatabaseTest, TheNextBookPeriodFollowsTheLastPosted) {
    EXPECT_EQ(db.value("SELECT dtPeriod FROM tblCompany WHERE id = 1").toString(), "2025-11-01");
    EXPECT_EQ(MonthlyDepr().GetNextFiscalPeriod(kSampleCompany), "202512");
}

} // namespace
} // namespace qel
