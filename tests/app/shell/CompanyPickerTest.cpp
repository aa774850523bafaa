// The company picker: the type-ahead search, the choice of a company, the start-up switch and a
// company list that cannot be loaded.
#include "tests/app/shell/CompanyPickerTest.h"

#include "app/shell/CompanyPicker.h"
#include "app/shell/FrmCompany.h"
#include "app/shell/MdiMain.h"
#include "app/shell/Startup.h"
#include "app/shell/WindowPosition.h"
#include "server/data/Database.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace qel::test {
namespace {

Recordset companies(const std::vector<std::pair<const char*, int>>& rows) {
    Recordset rs({{"Company Name", FieldType::Text, 50}, {"ID", FieldType::Integer, 4}});
    for (const auto& [name, id] : rows)
        rs.addRow({Variant(name), Variant(id)});
    return rs;
}

// The names the list view shows, top to bottom.
QStringList shownNames(const FrmCompany& picker) {
    const QAbstractItemModel* model = picker.lstPickClient->model();
    QStringList names;
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->index(row, picker.lstPickClient->modelColumn()).data().toString();
    return names;
}

} // namespace

void CompanyPickerTest::typeAheadFindsTheFirstNameWithThePrefix_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("found");
    QTest::newRow("prefix in other capitals") << "sAMP" << 2;
    QTest::newRow("blanks before the letters") << "  sam" << 2;
    QTest::newRow("whole name") << "Sample Company" << 2;
    QTest::newRow("first row") << "ACME" << 0;
    QTest::newRow("lower-case name") << "AL" << 1;
    QTest::newRow("no name begins so") << "xyz" << -1;
    QTest::newRow("inside a name is no prefix") << "Company" << -1;
}

void CompanyPickerTest::typeAheadFindsTheFirstNameWithThePrefix() {
    QFETCH(QString, typed);
    QFETCH(int, found);
    CompanyPicker picker;
    picker.load(
        companies({{"Acme", 4}, {"alpha Co", 9}, {"Sample Company", 1}, {"Sample Company", 5}, {"Zeta", 2}}));
    QCOMPARE(picker.typeAhead(typed), found);
    QCOMPARE(picker.foundIndex(), found);
}

void CompanyPickerTest::anEmptyBoxLeavesTheLastSearch() {
    CompanyPicker picker;
    picker.load(companies({{"Acme", 4}, {"Zeta", 2}}));
    QCOMPARE(picker.foundIndex(), 0);
    picker.typeAhead("z");
    QCOMPARE(picker.typeAhead(""), -1);
    QCOMPARE(picker.foundIndex(), 1);
    QCOMPARE(picker.companyIdCaption(1), QStringLiteral("Company Id 2"));
}

void CompanyPickerTest::theWindowListsTheCompaniesAndSelectsAsTyped() {
    ShellFixture f;
    f.fresh.exec("INSERT INTO tblCompany (id, [Company Name]) VALUES (7, 'Zeta Works')");
    f.fresh.exec("INSERT INTO tblCompany (id, [Company Name]) VALUES (8, 'acme')");
    MdiMain w;
    FrmCompany picker(&w);
    QVERIFY(picker.loaded());
    QCOMPARE(picker.windowTitle(), QStringLiteral("Select Company"));
    QCOMPARE(shownNames(picker), (QStringList{"acme", "Sample Company", "Zeta Works"}));
    QVERIFY(picker.chkShowOnStart->isChecked());

    picker.txtClientList->setText("  sAm");
    QCOMPARE(picker.selectedRow(), 1);
    QCOMPARE(picker.lblCompanyId->text(), QStringLiteral("Company Id 1"));
    picker.txtClientList->setText("  sAmx");
    QCOMPARE(picker.selectedRow(), 1);
    QCOMPARE(picker.lblCompanyId->text(), QStringLiteral("Company Id 1"));
    picker.txtClientList->clear();
    QCOMPARE(picker.selectedRow(), 1);
    picker.txtClientList->setText("ZE");
    QCOMPARE(picker.lblCompanyId->text(), QStringLiteral("Company Id 7"));
    // Up and Down in the box move through the list; the box keeps the focus and its text.
    QTest::keyClick(picker.txtClientList, Qt::Key_Up);
    QCOMPARE(picker.selectedRow(), 1);
    QCOMPARE(picker.lblCompanyId->text(), QStringLiteral("Company Id 1"));
    QTest::keyClick(picker.txtClientList, Qt::Key_Up);
    QTest::keyClick(picker.txtClientList, Qt::Key_Up);
    QCOMPARE(picker.selectedRow(), 0);
    QTest::keyClick(picker.txtClientList, Qt::Key_Down);
    QCOMPARE(picker.selectedRow(), 1);
    QCOMPARE(picker.txtClientList->text(), QStringLiteral("ZE"));
    QCOMPARE(f.ui.messages(), QStringList());
}

void CompanyPickerTest::theWindowOpensBesideTheMainWindow() {
    ShellFixture f;
    MdiMain w;
    FrmCompany picker(&w);
    const TwipsRect main = windowTwips(w);
    const TwipsRect at = windowTwips(picker);
    QCOMPARE(at.left, main.left + 3000);
    QCOMPARE(at.top, main.top + 800);
}

void CompanyPickerTest::okMakesTheSelectedRowCurrentByItsId() {
    ShellFixture f;
    // Two companies of the same name: the row, not the name, decides.
    f.fresh.exec("INSERT INTO tblCompany (id, [Company Name]) VALUES (7, 'Sample Company')");
    MdiMain w;
    int result = -1;
    f.ui.onModal("frmCompany", [&](QDialog& d) {
        auto& picker = static_cast<FrmCompany&>(d);
        picker.txtClientList->setText("sample");
        QCOMPARE(picker.selectedRow(), 0);
        picker.selectRow(1);
        picker.cmdOK->click();
        result = picker.result();
    });
    pickCompany();
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(programState().CurrentCompanyId(), 7);
    QCOMPARE(programState().CurrentCompanyName(), QStringLiteral("Sample Company"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Qel Corvane for - Sample Company"));
}

void CompanyPickerTest::okWithoutASelectionAsksForOne() {
    ShellFixture f;
    f.fresh.exec("DELETE FROM tblCompany");
    SetCompanyId(3);
    MdiMain w;
    FrmCompany picker(&w);
    picker.show();
    QCOMPARE(picker.lstPickClient->model()->rowCount(), 0);
    picker.cmdOK->click();
    QCOMPARE(f.ui.messages(), QStringList{"Please select a company."});
    QVERIFY(picker.isVisible());
    QCOMPARE(programState().CurrentCompanyId(), 3);
}

void CompanyPickerTest::cancelKeepsTheCompanyButStoresAChangedSwitch_data() {
    QTest::addColumn<bool>("untick");
    QTest::addColumn<bool>("stored");
    QTest::newRow("switch unchanged") << false << true;
    QTest::newRow("switch unticked") << true << false;
}

void CompanyPickerTest::cancelKeepsTheCompanyButStoresAChangedSwitch() {
    QFETCH(bool, untick);
    QFETCH(bool, stored);
    ShellFixture f;
    setCurrentCompany(3, "Old Co");
    setNewFromCompanyPicker(true);
    MdiMain w;
    int result = -1;
    f.ui.onModal("frmCompany", [&](QDialog& d) {
        auto& picker = static_cast<FrmCompany&>(d);
        picker.txtClientList->setText("Sam");
        if (untick)
            picker.chkShowOnStart->setChecked(false);
        picker.cmdCancel->click();
        result = picker.result();
    });
    pickCompany();
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(f.fresh.value("SELECT ShowCompany FROM tblDefaults").toBool(), stored);
    QCOMPARE(programState().CurrentCompanyId(), 3);
    QCOMPARE(programState().CurrentCompanyName(), QStringLiteral("Old Co"));
    QVERIFY(!programState().NewFromCompanyPicker());
    QCOMPARE(w.windowTitle(), QStringLiteral("Qel Corvane"));
}

void CompanyPickerTest::aListThatCannotBeLoadedClosesThePickerAndTheProgramGoesOn() {
    ShellFixture f;
    SetCompanyId(3);
    gConn().reset();
    MdiMain w;
    pickCompany();
    const std::vector<UiCall> boxes = f.ui.callsOf(UiCall::Message);
    QCOMPARE(boxes.size(), std::size_t(2));
    QVERIFY2(boxes[0].text.startsWith("Error in GetListData "), qPrintable(boxes[0].text));
    QCOMPARE(boxes[1].text, QStringLiteral("Can not connect to the database."));
    QCOMPARE(boxes[1].title, QStringLiteral("Get List Data"));
    QCOMPARE(boxes[1].icon, MsgIcon::Critical);
    QVERIFY(f.ui.callsOf(UiCall::Modal).empty());
    QCOMPARE(programState().CurrentCompanyId(), 3);
}

QEL_QTEST_REGISTER(CompanyPickerTest);

} // namespace qel::test
