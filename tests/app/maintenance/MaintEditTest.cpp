// The edit cycle of the maintenance window as a user drives it: New, typing, Apply, a row click,
// UnDo, Delete and "Save Changes?"; what reaches the database and what the window says; the
// list's columns widening for longer values; refused
// rows (checks, a duplicate key, a failing statement, text in a number column, a class in use).
#include "tests/app/maintenance/MaintEditTest.h"

#include "tests/app/maintenance/MaintFixture.h"
#include "tests/testsupport/CutOffTexts.h"
#include "tests/testsupport/QtTestMain.h"
#include "tests/testsupport/TestData.h"

namespace qel::test {

QEL_QTEST_REGISTER(MaintEditTest);

namespace {

const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);

QString location(MaintFixture& f, const QString& column, const QString& shortName) {
    return QString::fromStdString(f.fresh
                                      .value("SELECT [" + column.toStdString() +
                                             "] FROM tblLocations WHERE [Short Location] = '" +
                                             shortName.toStdString() + "'")
                                      .toString());
}

std::int64_t count(MaintFixture& f, const std::string& table) {
    return f.fresh.value("SELECT count(*) FROM " + table).toInt64();
}

// A new location typed into the window and applied.
void addLocation(FrmMaint& w, const QString& shortName, const QString& longName) {
    w.cmdNew->click();
    MaintFixture::type(w, 0, shortName);
    MaintFixture::type(w, 1, longName);
    w.cmdSave->click();
}

} // namespace

void MaintEditTest::aLocationIsAddedChangedAndDeleted() {
    MaintFixture f;
    FrmMaint* w = f.open("mnuLocation");
    QVERIFY(w);
    addLocation(*w, "WH", "Warehouse");
    QCOMPARE(w->lblStatusBar->text(), QStringLiteral("Record Added."));
    QCOMPARE(MaintFixture::colourOf(*w->lblStatusBar), kGreen);
    QCOMPARE(location(f, "Long Location", "WH"), QStringLiteral("Warehouse"));
    QCOMPARE(MaintFixture::column(*w, 0), QStringList{"WH"});
    QCOMPARE(w->lvMain().model()->index(0, 2).data().toString(),
             QString::fromStdString(f.fresh.value("SELECT max(Location_ID) FROM tblLocations").toString()));
    // Ready for the next new record.
    QCOMPARE(MaintFixture::fieldTexts(*w), (QStringList{"", ""}));
    QVERIFY(!w->cmdNew->isEnabled() && !w->cmdDelete->isEnabled());
    addLocation(*w, "AB", "Annex");
    QCOMPARE(MaintFixture::column(*w, 0), (QStringList{"AB", "WH"})); // sorted by the first column

    MaintFixture::clickRow(*w, "WH");
    QCOMPARE(MaintFixture::fieldTexts(*w), (QStringList{"WH", "Warehouse"}));
    QVERIFY(w->cmdDelete->isEnabled() && !w->cmdSave->isEnabled());
    MaintFixture::type(*w, 1, "Main warehouse");
    QVERIFY(w->cmdSave->isEnabled() && w->cmdSave->isDefault() && w->cmdCancel->isEnabled());
    w->cmdSave->click();
    QCOMPARE(w->lblStatusBar->text(), QStringLiteral("Record Updated."));
    QCOMPARE(location(f, "Long Location", "WH"), QStringLiteral("Main warehouse"));
    QCOMPARE(MaintFixture::column(*w, 1), (QStringList{"Annex", "Main warehouse"}));
    QCOMPARE(MaintFixture::fieldTexts(*w), (QStringList{"", ""}));

    MaintFixture::clickRow(*w, "WH");
    f.ui.answerMessage(MsgResult::Ok);
    w->cmdDelete->click();
    const UiCall confirm = f.ui.callsOf(UiCall::Message).back();
    QCOMPARE(confirm.text, QStringLiteral("Delete WH"));
    QCOMPARE(confirm.title, QStringLiteral("Confirm Delete"));
    QCOMPARE(confirm.buttons, MsgButtons::OkCancel);
    QCOMPARE(confirm.icon, MsgIcon::Question);
    QCOMPARE(confirm.defaultAnswer, MsgResult::Cancel); // Enter keeps the record
    QCOMPARE(w->lblStatusBar->text(), QStringLiteral("Record Deleted"));
    QCOMPARE(count(f, "tblLocations"), 1);
    QCOMPARE(MaintFixture::column(*w, 0), QStringList{"AB"});

    MaintFixture::clickRow(*w, "AB");
    f.ui.answerMessage(MsgResult::Cancel);
    w->cmdDelete->click();
    QCOMPARE(count(f, "tblLocations"), 1); // Cancel deletes nothing
    f.ui.answerMessage(MsgResult::Ok);
    w->cmdDelete->click();
    QCOMPARE(count(f, "tblLocations"), 0);
    for (QLineEdit* field : w->editControls().mskEdit)
        QVERIFY(!field->isEnabled());
}

void MaintEditTest::aLongerValueWidensItsColumn() {
    MaintFixture f;
    FrmMaint* w = f.open("mnuLocation");
    QVERIFY(w);
    addLocation(*w, "WH", "Warehouse");
    QCOMPARE(cutOffTexts(*w), QStringList());
    // The widest letters, as many as each column holds: a changed row, then an added one.
    const QString longName(50, QLatin1Char('W'));
    MaintFixture::clickRow(*w, "WH");
    MaintFixture::type(*w, 1, longName);
    w->cmdSave->click();
    QCOMPARE(MaintFixture::column(*w, 1), QStringList{longName});
    QCOMPARE(cutOffTexts(*w), QStringList());
    const QString shortName(25, QLatin1Char('W'));
    addLocation(*w, shortName, "Annex");
    QCOMPARE(MaintFixture::column(*w, 0), (QStringList{"WH", shortName}));
    QCOMPARE(cutOffTexts(*w), QStringList());
}

void MaintEditTest::typedTextIsStoredAsTypedAndEveryTableSurvives_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("apostrophe") << "O'Brien's yard";
    QTest::newRow("statement") << "'; DROP TABLE tblLocations; --";
}

void MaintEditTest::typedTextIsStoredAsTypedAndEveryTableSurvives() {
    QFETCH(QString, typed);
    MaintFixture f;
    const std::int64_t tables = count(f, "sqlite_master");
    FrmMaint* w = f.open("mnuLocation");
    QVERIFY(w);
    addLocation(*w, typed.left(25), typed);
    QCOMPARE(w->lblStatusBar->text(), QStringLiteral("Record Added."));
    QCOMPARE(QString::fromStdString(f.fresh.value("SELECT [Long Location] FROM tblLocations").toString()),
             typed);
    MaintFixture::clickRow(*w, typed.left(25));
    MaintFixture::type(*w, 1, typed + "!");
    w->cmdSave->click();
    QCOMPARE(QString::fromStdString(f.fresh.value("SELECT [Long Location] FROM tblLocations").toString()),
             typed + "!");
    QCOMPARE(count(f, "sqlite_master"), tables);
    QCOMPARE(count(f, "tblLocations"), 1);
}

void MaintEditTest::aDuplicateKeyIsRefusedAndTheEditsStay() {
    MaintFixture f;
    FrmMaint* w = f.open("mnu179");
    QVERIFY(w);
    const std::int64_t rows = count(f, "tblMax179");
    w->cmdNew->click();
    MaintFixture::type(*w, 0, "2012");
    MaintFixture::type(*w, 1, "1");
    MaintFixture::type(*w, 2, "2");
    w->cmdSave->click();
    QCOMPARE(f.ui.messages(), QStringList{"Can't add record. Duplicate Key field."});
    QCOMPARE(w->lblStatusBar->text(), QStringLiteral("Add failed."));
    QCOMPARE(MaintFixture::colourOf(*w->lblStatusBar), kRed);
    QCOMPARE(MaintFixture::fieldTexts(*w), (QStringList{"2012", "1", "2"}));
    QVERIFY(w->MaintRecordChanged);
    QCOMPARE(count(f, "tblMax179"), rows);
}

void MaintEditTest::aFailedStatementIsReportedAndTheEditsStay() {
    MaintFixture f;
    f.fresh.exec("CREATE TRIGGER refuseLocations BEFORE INSERT ON tblLocations "
                 "BEGIN SELECT RAISE(ABORT, 'the locations are closed'); END");
    FrmMaint* w = f.open("mnuLocation");
    QVERIFY(w);
    addLocation(*w, "WH", "Warehouse");
    QCOMPARE(f.ui.messages().size(), 1);
    QVERIFY2(f.ui.messages()[0].startsWith("the locations are closed"), qPrintable(f.ui.messages()[0]));
    QVERIFY2(f.ui.messages()[0].contains("  -2147352571  "), qPrintable(f.ui.messages()[0]));
    QCOMPARE(w->lblStatusBar->text(), QStringLiteral("Add failed."));
    QCOMPARE(MaintFixture::fieldTexts(*w), (QStringList{"WH", "Warehouse"}));

    // Closing asks, and Yes tries again: the failure keeps the window open with the edits.
    f.ui.answerMessage(MsgResult::Yes);
    QVERIFY(!f.window->childWindows().find("frmMaint")->close());
    QCOMPARE(MaintFixture::fieldTexts(*w), (QStringList{"WH", "Warehouse"}));
    QCOMPARE(count(f, "tblLocations"), 0);
}

void MaintEditTest::aNumberColumnRefusesText() {
    MaintFixture f;
    FrmMaint* w = f.open("MnuAutoMax");
    QVERIFY(w);
    const std::int64_t rows = count(f, "tblMaxAuto");
    w->cmdNew->click();
    MaintFixture::type(*w, 0, "2030");
    MaintFixture::pick(*w, 1, "Gas");
    MaintFixture::type(*w, 2, "lots"); // "Yr 1 + 30%" has no check of its own
    for (int i = 4; i <= 7; ++i)
        MaintFixture::type(*w, i, "1000");
    w->cmdSave->click();
    QCOMPARE(f.ui.messages().size(), 1);
    QVERIFY2(f.ui.messages()[0].startsWith("Error in AddRecord. Yr 1 + 30% must be a number"),
             qPrintable(f.ui.messages()[0]));
    QCOMPARE(w->lblStatusBar->text(), QStringLiteral("Add failed."));
    QCOMPARE(count(f, "tblMaxAuto"), rows);

    MaintFixture::type(*w, 2, "");
    w->cmdSave->click();
    QCOMPARE(w->lblStatusBar->text(), QStringLiteral("Record Added."));
    QCOMPARE(f.fresh.value("SELECT [Yr 1 + 30%] || '|' || Type FROM tblMaxAuto WHERE [Year] = 2030"),
             Variant("0.0|Gas"));
}

void MaintEditTest::aNumberBeyondItsColumnIsRefusedAtTheField_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString dollars = QStringLiteral(" must be a number from -1000000000000000 to 1000000000000000. ");
    // The year's edit field takes eight characters.
    QTest::newRow("VehicleLimitYear") << "MnuAutoMax" << 0 << "30000000"
                                      << "Year '30000000' must be a number from 1900 to 9999. ";
    QTest::newRow("VehicleLimitOverflows") << "MnuAutoMax" << 4 << "1e400"
                                           << "Max Year 1 '1e400'" + dollars;
    QTest::newRow("VehicleLimitUncheckedOverflows") << "MnuAutoMax" << 2 << "1e400"
                                                    << "Yr 1 + 30% '1e400'" + dollars;
    QTest::newRow("Section179LimitOverflowsBelow") << "mnu179" << 2 << "-1e400"
                                                   << "Threshold Cost '-1e400'" + dollars;
}

void MaintEditTest::aNumberBeyondItsColumnIsRefusedAtTheField() {
    QFETCH(QString, item);
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    MaintFixture f;
    FrmMaint* w = f.open(item.toLatin1().constData());
    QVERIFY(w);
    const std::string table = item == "mnu179" ? "tblMax179" : "tblMaxAuto";
    const std::int64_t rows = count(f, table);
    w->cmdNew->click();
    MaintFixture::type(*w, 0, "2030");
    if (item == "mnu179") {
        MaintFixture::type(*w, 1, "500000");
        MaintFixture::type(*w, 2, "2000000");
    } else {
        MaintFixture::pick(*w, 1, "Gas");
        for (int i = 4; i <= 7; ++i)
            MaintFixture::type(*w, i, "1000");
    }
    MaintFixture::type(*w, field, text);
    w->cmdSave->click();
    QCOMPARE(w->lblStatusBar->text(), message);
    QCOMPARE(MaintFixture::colourOf(*w->lblStatusBar), kRed);
    QCOMPARE(MaintFixture::colourOf(*w->lblEdit[static_cast<std::size_t>(field)]), kRed);
    QVERIFY(w->editControls().mskEdit[static_cast<std::size_t>(field)]->hasFocus());
    QVERIFY(f.ui.messages().isEmpty());
    QCOMPARE(count(f, table), rows);
    QCOMPARE(w->fieldText(field), text);
}

void MaintEditTest::aClassInUseIsNotDeleted() {
    MaintFixture f;
    f.fresh.exec("INSERT INTO tblAccounts (Id_acct, [Account Descr]) VALUES (3, 'Furniture')");
    f.fresh.exec(
        "INSERT INTO tblDeprClass (ID, Method_ID, Description, [Life], [If Auto - Type], [Amortize #], "
        "ID_acct) VALUES (8, 1, 'Office chairs', '7', 'N/A', '0', 3)");
    addAsset({.name = "Chair", .company = 1, .classId = 8});
    FrmMaint* w = f.open("mnuClassMaint");
    QVERIFY(w);
    MaintFixture::clickRow(*w, "MACRS");
    w->UpdateMaintStatusBar("before", "");
    f.ui.answerMessage(MsgResult::Ok);
    w->cmdDelete->click();
    QCOMPARE(w->lblStatusBar->text(), QStringLiteral("before Can't Delete Class Id is used by an Asset.  "));
    QCOMPARE(MaintFixture::colourOf(*w->lblStatusBar), kRed);
    QCOMPARE(count(f, "tblDeprClass"), 1);
    QCOMPARE(MaintFixture::column(*w, 1), QStringList{"Office chairs"});
}

void MaintEditTest::aClassIsStoredWithItsMethodAndAccountIds() {
    MaintFixture f;
    f.fresh.exec(
        "INSERT INTO tblAccounts (Id_acct, [Account Descr]) VALUES (3, 'Furniture'), (5, 'Vehicles')");
    FrmMaint* w = f.open("mnuClassMaint");
    QVERIFY(w);
    w->cmdNew->click();
    QCOMPARE(MaintFixture::fieldTexts(*w),
             (QStringList{"ADS", "", "", "N/A", "", "Furniture"})); // each pick list on its first entry
    MaintFixture::pick(*w, 0, "Listed");
    MaintFixture::type(*w, 1, "Company cars");
    MaintFixture::type(*w, 2, "5");
    MaintFixture::pick(*w, 3, "Gas");
    MaintFixture::type(*w, 4, "12");
    MaintFixture::pick(*w, 5, "Vehicles");
    w->cmdSave->click();
    QCOMPARE(w->lblStatusBar->text(), QStringLiteral("Record Added."));
    QCOMPARE(
        f.fresh.value("SELECT Method_ID || '|' || ID_acct || '|' || [Amortize #] || '|' || [If Auto - Type] "
                      "FROM tblDeprClass"),
        Variant("9|5|0|Gas")); // a class that does not amortize stores amortization number 0
}

void MaintEditTest::theChecksMarkTheirFields() {
    MaintFixture f;
    FrmMaint* w = f.open("mnu179");
    QVERIFY(w);
    const std::int64_t rows = count(f, "tblMax179");
    w->cmdNew->click();
    MaintFixture::type(*w, 1, "500000");
    MaintFixture::type(*w, 2, "x");
    w->cmdSave->click();
    QCOMPARE(w->lblStatusBar->text(), QStringLiteral("Year is required.  Year must be between 1975 - 2050.  "
                                                     "Threshold Cost must be numeric.  "));
    QCOMPARE(MaintFixture::colourOf(*w->lblStatusBar), kRed);
    QCOMPARE(MaintFixture::colourOf(*w->lblEdit[0]), kRed);
    QCOMPARE(MaintFixture::colourOf(*w->lblEdit[1]), QColor(0, 0, 0));
    QCOMPARE(MaintFixture::colourOf(*w->lblEdit[2]), kRed);
    QVERIFY(w->editControls().mskEdit[0]->hasFocus());
    QVERIFY(w->MaintRecordChanged);
    QCOMPARE(count(f, "tblMax179"), rows);
}

void MaintEditTest::switchingTablesWithUnsavedEditsAsksFirst_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("stored");
    QTest::newRow("cancel keeps the table and the edits") << int(MsgResult::Cancel) << "Locations" << 0;
    QTest::newRow("no drops the edits") << int(MsgResult::No) << "G\\L Accounts" << 0;
    QTest::newRow("yes stores them in their own table") << int(MsgResult::Yes) << "G\\L Accounts" << 1;
}

void MaintEditTest::switchingTablesWithUnsavedEditsAsksFirst() {
    QFETCH(int, answer);
    QFETCH(QString, caption);
    QFETCH(int, stored);
    MaintFixture f;
    FrmMaint* w = f.open("mnuLocation");
    QVERIFY(w);
    w->cmdNew->click();
    MaintFixture::type(*w, 0, "WH");
    MaintFixture::type(*w, 1, "Warehouse");
    f.ui.answerMessage(MsgResult(answer));
    QVERIFY(f.open("mnuAccounts"));
    QCOMPARE(f.ui.messages().first(), QStringLiteral("Save Changes?"));
    QCOMPARE(f.ui.callsOf(UiCall::Message).front().buttons, MsgButtons::YesNoCancel);
    QCOMPARE(f.ui.callsOf(UiCall::Message).front().defaultAnswer, MsgResult::Yes);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(count(f, "tblLocations"), stored);
    QCOMPARE(count(f, "tblAccounts"), 0);
    if (MsgResult(answer) == MsgResult::Cancel)
        QCOMPARE(MaintFixture::fieldTexts(*w), (QStringList{"WH", "Warehouse"}));
}

void MaintEditTest::anotherRowWithUnsavedEditsAsksFirst() {
    MaintFixture f;
    f.fresh.exec(
        "INSERT INTO tblLocations ([Short Location], [Long Location]) VALUES ('A', 'one'), ('B', 'two')");
    FrmMaint* w = f.open("mnuLocation");
    QVERIFY(w);
    QCOMPARE(MaintFixture::fieldTexts(*w), (QStringList{"A", "one"}));
    MaintFixture::type(*w, 1, "uno");
    f.ui.answerMessage(MsgResult::Cancel);
    MaintFixture::clickRow(*w, "B");
    QCOMPARE(MaintFixture::fieldTexts(*w), (QStringList{"A", "uno"}));
    f.ui.answerMessage(MsgResult::Yes);
    MaintFixture::clickRow(*w, "B");
    QCOMPARE(location(f, "Long Location", "A"), QStringLiteral("uno"));
    QCOMPARE(MaintFixture::fieldTexts(*w), (QStringList{"B", "two"}));
    QCOMPARE(f.ui.messages(), (QStringList{"Save Changes?", "Save Changes?"}));
}

void MaintEditTest::deleteRemovesTheRowOfTheDeletedRecord() {
    MaintFixture f;
    f.fresh.exec(
        "INSERT INTO tblLocations ([Short Location], [Long Location]) VALUES ('A', 'one'), ('B', 'two')");
    FrmMaint* w = f.open("mnuLocation");
    QVERIFY(w);
    MaintFixture::type(*w, 1, "uno");
    f.ui.answerMessage(MsgResult::Cancel); // "Save Changes?": the fields keep A, the highlight moves to B
    MaintFixture::clickRow(*w, "B");
    f.ui.answerMessage(MsgResult::Ok);
    w->cmdDelete->click();
    QCOMPARE(f.ui.messages().last(), QStringLiteral("Delete A"));
    QCOMPARE(location(f, "Long Location", "B"), QStringLiteral("two"));
    QCOMPARE(count(f, "tblLocations"), 1);
    QCOMPARE(MaintFixture::column(*w, 0), QStringList{"B"});
}

void MaintEditTest::undoReloadsTheRow() {
    MaintFixture f;
    f.fresh.exec("INSERT INTO tblLocations ([Short Location], [Long Location]) VALUES ('A', 'one')");
    FrmMaint* w = f.open("mnuLocation");
    QVERIFY(w);
    MaintFixture::type(*w, 1, "changed");
    QTest::keyClick(w->editControls().mskEdit[1], Qt::Key_Escape);
    QCOMPARE(MaintFixture::fieldTexts(*w), (QStringList{"A", "one"}));
    QVERIFY(!w->MaintRecordChanged);
    QVERIFY(!w->cmdCancel->isEnabled() && !w->cmdSave->isEnabled());
    QVERIFY(f.ui.messages().isEmpty());
}

void MaintEditTest::aCompanysBookSwitchesLoadAndStore() {
    MaintFixture f;
    f.fresh.exec("UPDATE tblCompany SET [AMT Book] = 1, [State Book] = 0 WHERE id = 1");
    FrmMaint* w = f.open("mnuCompanyMaint");
    QVERIFY(w);
    MaintFixture::clickRow(*w, "Sample Company");
    QCOMPARE(MaintFixture::fieldTexts(*w).mid(9), (QStringList{"Yes", "No", "No"}));
    QCOMPARE(w->editControls().cboEdit.at(9)->currentText(), QStringLiteral("Yes"));
    MaintFixture::pick(*w, 10, "Yes");
    MaintFixture::type(*w, 8, "6");
    w->cmdSave->click();
    QCOMPARE(w->lblStatusBar->text(), QStringLiteral("Record Updated."));
    QCOMPARE(f.fresh.value("SELECT [AMT Book] || [State Book] || [Other Book] || '|' || [Year End Month] "
                           "FROM tblCompany WHERE id = 1"),
             Variant("110|6"));
    QCOMPARE(MaintFixture::column(*w, 10), QStringList{"Yes"});
}

void MaintEditTest::aStoredTextLongerThanItsColumnIsKeptWhole() {
    MaintFixture f;
    const QString name = QString(40, 'x'); // the column is declared 25 long
    f.fresh.exec("INSERT INTO tblLocations ([Short Location], [Long Location]) VALUES ('" +
                 name.toStdString() + "', 'one')");
    FrmMaint* w = f.open("mnuLocation");
    QVERIFY(w);
    QCOMPARE(w->fieldText(0), name);
    MaintFixture::type(*w, 1, "two");
    w->cmdSave->click();
    QCOMPARE(location(f, "Long Location", name), QStringLiteral("two"));
}

void MaintEditTest::aForm4562RowBelongsToTheCurrentCompany() {
    MaintFixture f;
    const std::int32_t other = addCompany("Other Co");
    f.fresh.exec("INSERT INTO tblMisc4562Data (Company_Id, [Year], [179 Carryover]) VALUES (" +
                 std::to_string(other) + ", 2011, 5)");
    FrmMaint* w = f.open("mnuMisc4562Data");
    QVERIFY(w);
    QCOMPARE(w->lvMain().model()->rowCount(), 0); // the other company's row is not listed
    w->cmdNew->click();
    MaintFixture::type(*w, 0, "2012");
    MaintFixture::type(*w, 1, "2500");
    w->cmdSave->click();
    QCOMPARE(w->lblStatusBar->text(), QStringLiteral("Record Added."));
    QCOMPARE(f.fresh.value("SELECT Company_Id || '|' || [179 Carryover] || '|' || [Listed Claim] FROM "
                           "tblMisc4562Data WHERE [Year] = 2012"),
             Variant("1|2500.0|No"));
}

} // namespace qel::test
