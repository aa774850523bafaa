// The books panel: the company's book switches enable the AMT, State and Other columns; Copy puts
// the Federal figures into the kept books (the bonus choice found by its item data) and marks the
// asset changed; a stored asset's book rows load into them; a book the company does not keep is
// never touched.
#include "tests/app/assets/BooksPanelTest.h"

#include "app/assets/BooksPanel.h"
#include "app/shell/ChildWindows.h"
#include "tests/app/assets/AssetsFixture.h"
#include "tests/testsupport/QtTestMain.h"
#include "tests/testsupport/TestData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

namespace qel::test {
namespace {

// A company keeping the books given, as Yes/No values.
std::int32_t companyKeeping(const FreshDatabase& db, bool amt, bool state, bool other) {
    const std::int32_t id = addCompany("Books");
    db.exec("UPDATE tblCompany SET [AMT Book] = " + std::to_string(amt) +
            ", [State Book] = " + std::to_string(state) + ", [Other Book] = " + std::to_string(other) +
            " WHERE id = " + std::to_string(id));
    return id;
}

} // namespace

void BooksPanelTest::onlyTheBooksTheCompanyKeepsAreEnabled_data() {
    QTest::addColumn<bool>("amt");
    QTest::addColumn<bool>("state");
    QTest::addColumn<bool>("other");
    QTest::addColumn<bool>("companyExists");
    QTest::newRow("OnlyState") << false << true << false << true;
    QTest::newRow("AmtAndOther") << true << false << true << true;
    QTest::newRow("None") << false << false << false << true;
    QTest::newRow("All") << true << true << true << true;
    QTest::newRow("NoCompanyRow") << true << true << true << false;
}

void BooksPanelTest::onlyTheBooksTheCompanyKeepsAreEnabled() {
    QFETCH(bool, amt);
    QFETCH(bool, state);
    QFETCH(bool, other);
    QFETCH(bool, companyExists);
    AssetsFixture f;
    setCurrentCompany(companyExists ? companyKeeping(f.shell.fresh, amt, state, other) : 999, "Books");
    assets::FrmAsset& form = f.open();
    const bool kept[] = {amt && companyExists, state && companyExists, other && companyExists};
    for (int i = 0; i < 3; ++i) {
        const assets::BookControls& c = form.books().columns()[i];
        for (const QWidget* w : std::initializer_list<const QWidget*>{
                 c.s179, c.businessPercent, c.cost, c.life, c.salvage, c.bonus, c.convention, c.method})
            QVERIFY2(w->isEnabled() == kept[i], qPrintable(w->objectName()));
    }
    QCOMPARE(form.books().switches().amt, kept[0]);
    QCOMPARE(form.books().switches().state, kept[1]);
    QCOMPARE(form.books().switches().other, kept[2]);
}

void BooksPanelTest::copyFillsTheKeptBooks_data() {
    QTest::addColumn<bool>("bonus30");
    QTest::addColumn<bool>("bonus50");
    QTest::addColumn<bool>("bonus100");
    QTest::addColumn<QString>("bonusChoice");
    QTest::newRow("Bonus100") << false << false << true << "100 Percent";
    QTest::newRow("Bonus50") << false << true << false << "50 Percent";
    QTest::newRow("Bonus30") << true << false << false << "30 Percent";
    QTest::newRow("NoBonus") << false << false << false << "";
}

void BooksPanelTest::copyFillsTheKeptBooks() {
    QFETCH(bool, bonus30);
    QFETCH(bool, bonus50);
    QFETCH(bool, bonus100);
    QFETCH(QString, bonusChoice);
    AssetsFixture f;
    setCurrentCompany(companyKeeping(f.shell.fresh, false, true, false), "State only");
    assets::FrmAsset& form = f.open();
    // The bonus list holds a choice before the appended "100 Percent", so positions do not name it.
    QCOMPARE(form.findChild<QComboBox*>("cboStateBonus")->itemText(2), QStringLiteral("None"));

    form.txtCost->setText("1000");
    form.txtBusinessPercent->setText("80");
    form.cboLife->setEditText("5");
    form.txtOtherDeductions->setText("50");
    form.txt179Amt->setText("100");
    form.cboMethod->setCurrentIndex(form.cboMethod->findText("MACRS"));
    form.cboConvention->setCurrentIndex(form.cboConvention->findText("Mid Qtr"));
    form.chkBonus->setChecked(bonus30);
    form.chk50Bonus->setChecked(bonus50);
    form.chk100Bonus->setChecked(bonus100);
    form.lbl30Allowance->setText("650");
    form.lblShowMethod->setText("200 DB");
    form.lblCostBasis->setText("0");
    // The bonus boxes ticked above ran their click rules, which mark the asset changed.
    form.flags.assetChanged = false;
    form.cmdSave->setEnabled(false);
    form.cmdCopy->click();

    const assets::BookControls& state = form.books().column(assets::kStateBook);
    QCOMPARE(state.cost->text(), QStringLiteral("1000"));
    QCOMPARE(state.businessPercent->text(), QStringLiteral("80"));
    QCOMPARE(state.life->text(), QStringLiteral("5"));
    QCOMPARE(state.salvage->text(), QStringLiteral("50"));
    QCOMPARE(state.s179->text(), QStringLiteral("100"));
    QCOMPARE(state.method->currentText(), QStringLiteral("MACRS"));
    QCOMPARE(state.convention->currentText(), QStringLiteral("Mid Qtr"));
    QCOMPARE(state.bonus->currentText(), bonusChoice);
    QCOMPARE(state.bonusAmount->text(), QStringLiteral("650"));
    QCOMPARE(state.methodCaption->text(), QStringLiteral("200 DB"));
    QCOMPARE(state.costBasis->text(), QStringLiteral("0"));
    QCOMPARE(form.txtBookLife->text(), QStringLiteral("5"));
    // The books the company does not keep stay blank.
    for (const std::int16_t book : {assets::kAmtBook, assets::kOtherBook}) {
        const assets::BookControls& off = form.books().column(book);
        QCOMPARE(off.cost->text(), QString());
        QCOMPARE(off.method->currentIndex(), -1);
        QCOMPARE(off.bonus->currentIndex(), -1);
    }
    // Copying is an edit: closing the form without saving it would lose the copied figures.
    QVERIFY(form.flags.assetChanged);
    QVERIFY(form.cmdSave->isEnabled());
    f.shell.ui.answerMessage(MsgResult::Cancel);
    QVERIFY(!f.main->childWindows().find("frmAsset")->close());
    QCOMPARE(f.shell.ui.messages(), QStringList{"Save Changes?"});
}

void BooksPanelTest::storedRowsLoadIntoTheKeptBooks() {
    AssetsFixture f;
    const std::int32_t company = companyKeeping(f.shell.fresh, true, true, false);
    setCurrentCompany(company, "AMT and State");
    // Appended rather than joined with +, which GCC 12 warns of wrongly (-Wrestrict) in Release.
    std::string values = "(";
    values += std::to_string(company);
    values += ", 57, ";
    for (const char* book : {"3, 1, 5, 800, 0.5, 100, 75, 2, 50, '200 DB ', 175, 3)",
                             "5, 1, 7, 900, 1, 0, 0, 1, 0, '200 DB ', 900, 0)"})
        f.shell.fresh.exec(
            "INSERT INTO tblBookMethods (ClientId, AssetId, BookId, DeprMethodId, Life, Cost, "
            "BusinessPercent, "
            "Section179, Allowance, ConventionId, Salvage, Actual_Method, CostBasis, BonusCboId) VALUES " +
            values + book);
    assets::FrmAsset& form = f.open();
    const assets::BookControls& amt = form.books().column(assets::kAmtBook);
    const assets::BookControls& state = form.books().column(assets::kStateBook);
    const assets::BookControls& other = form.books().column(assets::kOtherBook);
    state.cost->setText("left over");

    form.books().GetBooksAssetData(57, company);
    QCOMPARE(amt.cost->text(), QStringLiteral("800"));
    QCOMPARE(amt.businessPercent->text(), QStringLiteral("50"));
    QCOMPARE(amt.s179->text(), QStringLiteral("100"));
    QCOMPARE(amt.method->currentText(), QStringLiteral("MACRS"));
    QCOMPARE(amt.convention->currentText(), QStringLiteral("Mid Qtr"));
    QCOMPARE(amt.bonus->currentText(), QStringLiteral("30 Percent"));
    QCOMPARE(amt.methodCaption->text(), QStringLiteral("200 DB "));
    QCOMPARE(amt.costBasis->text(), QStringLiteral("175"));
    // No stored State row: blank, business percent 100. The Other book is not kept: its stored row
    // is not shown.
    QCOMPARE(state.cost->text(), QString());
    QCOMPARE(state.businessPercent->text(), QStringLiteral("100"));
    QCOMPARE(other.cost->text(), QString());

    form.books().ClearBooksFields();
    QCOMPARE(amt.cost->text(), QString());
    QCOMPARE(amt.businessPercent->text(), QStringLiteral("100"));
    QCOMPARE(amt.method->currentIndex(), -1);
}

QEL_QTEST_REGISTER(BooksPanelTest);

} // namespace qel::test
