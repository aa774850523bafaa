// DeprSupport: the maintenance lists and combo sources and the asset-class guard.
#include "server/support/DeprSupport.h"

#include "SupportFixture.h"

#include "common/SqlLiteral.h"

#include <optional>

namespace qel {
namespace {

using test::column;

class DeprSupportListsTest : public test::SupportTest {
protected:
    // Adds an asset class and returns its id; without an auto type the column holds Null.
    std::int32_t addClass(std::int32_t method, const std::string& description, const std::string& life,
                          const std::optional<std::string>& autoType, const std::string& amortize,
                          std::int32_t account) {
        fresh_.exec(
            "INSERT INTO tblDeprClass (Method_ID, Description, [Life], [If Auto - Type], [Amortize #], "
            "ID_acct) VALUES (" +
            sqlNumber(method) + ", " + sqlText(description) + ", " + sqlText(life) + ", " +
            (autoType ? sqlText(*autoType) : "NULL") + ", " + sqlText(amortize) + ", " + sqlNumber(account) +
            ")");
        return static_cast<std::int32_t>(fresh_.conn().lastInsertRowid());
    }
    std::int32_t addAccount(const std::string& description) {
        fresh_.exec("INSERT INTO tblAccounts ([Account Descr], [Capital Account]) VALUES (" +
                    sqlText(description) + ", '1500')");
        return static_cast<std::int32_t>(fresh_.conn().lastInsertRowid());
    }
};

TEST_F(DeprSupportListsTest, RecordsetsCarryTheirFieldNamesInOrder) {
    DeprSupport ds;
    const test::FieldNamesCase cases[] = {
        {"GetClassMaint",
         ds.GetClassMaint(),
         {"Method", "Description               ", "Life    ", "If Auto - Type", "Amortize #", "Account Descr",
          "ID"}},
        {"GetAccountMaint",
         ds.GetAccountMaint(),
         {"Account Descr      ", "Capital Account", "Accum Acct", "Depr Account", "Gain Loss Acct",
          "ID_acct"}},
        {"GetUserMaint", ds.GetUserMaint(), {"UserId       ", "Password    ", "UserLevel", "PwdID"}},
        {"GetLocationMaint", ds.GetLocationMaint(), {"Short Location", "Long Location", "Location_ID"}},
        {"GetAccounts", ds.GetAccounts(), {"Account Descr", "id_acct"}},
        {"GetAccountsCbo", ds.GetAccountsCbo(), {"Account Descr", "id_acct"}},
        {"GetLocationsCbo", ds.GetLocationsCbo(), {"Short Location", "Location_id"}},
        {"GetMethods", ds.GetMethods(), {"Method", "id"}},
        {"GetConventions", ds.GetConventions(), {"Description", "id"}},
        {"GetBonusDepr", ds.GetBonusDepr(), {"BonusDescription", "BonusPercent"}},
        {"GetBookCbo", ds.GetBookCbo(), {"BookDescription", "BookId"}},
        {"GetLives", ds.GetLives("MACRS"), {"life"}},
    };
    test::expectFieldNames(cases);
    const Recordset types = ds.GetTypes(1);
    ASSERT_EQ(types.fieldCount(), 2u);
    EXPECT_EQ(types.field(1).name, "Id");
}

TEST_F(DeprSupportListsTest, BookComboNeverOffersTheFinancialBook) {
    DeprSupport ds;
    EXPECT_EQ(column(ds.GetBookCbo(), 0), (std::vector<std::string>{"AMT", "Other", "State"}));
    EXPECT_EQ(column(ds.GetBookCbo(false), 0), (std::vector<std::string>{"AMT", "Other", "State"}));
    EXPECT_EQ(column(ds.GetBookCbo(true), 0), (std::vector<std::string>{"AMT", "Federal", "Other", "State"}));
}

TEST_F(DeprSupportListsTest, UserListShowsEveryUserWhoCanLogOn) {
    // No name is hidden from the list: a user who can log on but is not listed would be a way in
    // that nobody maintaining the users can see.
    fresh_.exec("INSERT INTO tblPasswords (UserId, [Password], UserLevel) VALUES ('SideGate', 'k', 'Admin')");
    fresh_.exec("INSERT INTO tblPasswords (UserId, [Password], UserLevel) VALUES ('bea', 'b', 'User')");
    DeprSupport ds;
    const Recordset users = ds.GetUserMaint();
    EXPECT_EQ(column(users, 0), (std::vector<std::string>{"Admin", "bea", "SideGate"}));
    EXPECT_EQ(column(users, 1), (std::vector<std::string>{"Admin", "b", "k"})); // as stored
    EXPECT_EQ(ds.GetUserLevel("SideGate", "k"), "Admin");

    fresh_.exec("DELETE FROM tblPasswords");
    EXPECT_EQ(ds.GetUserMaint().RecordCount(), 0u);
}

TEST_F(DeprSupportListsTest, ClassListsNeedTheirMethodAndAccount) {
    const std::int32_t account = addAccount("Machinery");
    const std::int32_t press = addClass(1, "Press", "7", "N/A", "0", account);
    addClass(1, "Orphan account", "5", "N/A", "0", 999);
    addClass(99, "Orphan method", "5", "N/A", "0", account);
    const std::int32_t bare = addClass(1, "Bare", "5", std::nullopt, "0", account);
    DeprSupport ds;

    const Recordset maint = ds.GetClassMaint();
    EXPECT_EQ(column(maint, 1), (std::vector<std::string>{"Bare", "Press"}));
    EXPECT_EQ(column(maint, 5), (std::vector<std::string>{"Machinery", "Machinery"}));
    EXPECT_EQ(maint.rows()[1][6].toInt32(), press);

    const Recordset types = ds.GetTypes(1);
    ASSERT_EQ(types.RecordCount(), 3u);       // the orphan account still lists here
    EXPECT_TRUE(types.rows()[0][0].isNull()); // "Bare" has no vehicle type
    EXPECT_EQ(types.rows()[0][1].toInt32(), bare);
    EXPECT_EQ(types.rows()[2][0].toString(), "Press" + std::string(50, ' ') + "7-N/A\\0");
    EXPECT_EQ(ds.GetTypes(99).RecordCount(), 0u); // its method has no row
    EXPECT_EQ(ds.GetTypes(3).RecordCount(), 0u);
}

TEST_F(DeprSupportListsTest, LivesComeAsStoredAndTheMethodTextIsBound) {
    DeprSupport ds;
    EXPECT_EQ(column(ds.GetLives("MACRS"), 0),
              (std::vector<std::string>{"3", "5", "7", "10", "15", "20", "27.5", "31.5", "39", "50"}));
    EXPECT_EQ(ds.GetLives("macrs").RecordCount(), 10u);
    EXPECT_EQ(ds.GetLives("S/L").RecordCount(), 0u);
    EXPECT_EQ(ds.GetLives("MACRS' or ''='").RecordCount(), 0u);
}

TEST_F(DeprSupportListsTest, AccountCombosAgreeAndCombosAreSorted) {
    addAccount("Vehicles");
    addAccount("Buildings");
    fresh_.exec("INSERT INTO tblLocations ([Short Location], [Long Location]) VALUES ('West', 'West yard')");
    fresh_.exec("INSERT INTO tblLocations ([Short Location], [Long Location]) VALUES ('East', 'East yard')");
    DeprSupport ds;
    const Recordset accounts = ds.GetAccounts();
    const Recordset cbo = ds.GetAccountsCbo();
    EXPECT_EQ(accounts.rows(), cbo.rows());
    EXPECT_EQ(column(accounts, 0), (std::vector<std::string>{"Buildings", "Vehicles"}));
    EXPECT_EQ(column(ds.GetLocationsCbo(), 0), (std::vector<std::string>{"East", "West"}));
    EXPECT_EQ(column(ds.GetLocationMaint(), 1), (std::vector<std::string>{"East yard", "West yard"}));
    EXPECT_EQ(column(ds.GetMethods(), 0), (std::vector<std::string>{"ADS", "Amortize", "Listed", "MACRS",
                                                                    "MACRS 150", "Non-Depr", "S/L"}));
    EXPECT_EQ(column(ds.GetConventions(), 0),
              (std::vector<std::string>{"Half Year", "Mid Month", "Mid Qtr", "None"}));
}

TEST_F(DeprSupportListsTest, ClassInUseIsCountedOverEveryCompany) {
    const std::int32_t other = test::addCompany("Other");
    addAsset({.company = other, .classId = 5});
    addAsset({.classId = 5});
    addAsset({.classId = 6});
    DeprSupport ds;
    EXPECT_EQ(ds.CheckClassId(5), 2);
    EXPECT_EQ(ds.CheckClassId(6), 1);
    EXPECT_EQ(ds.CheckClassId(7), 0);
}

TEST_F(DeprSupportListsTest, FailuresArePassedOnWithTheMemberName) {
    DeprSupport ds;
    gConn().reset();
    test::expectPassedOn([&] { ds.GetBookCbo(); }, "DeprSupport", "GetBookCbo");
    test::expectPassedOn([&] { ds.CheckClassId(1); }, "DeprSupport", "CheckClassId");
}

} // namespace
} // namespace qel
