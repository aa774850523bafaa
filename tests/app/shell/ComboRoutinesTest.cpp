// The combo-box routines: filling from a recordset, finding entries by text and by item data
// (without moving the selection), widening the drop-down list, and the maintenance window's
// lookup combos.
#include "tests/app/shell/ComboRoutinesTest.h"

#include "app/shell/ComboRoutines.h"
#include "app/shell/WindowPosition.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QWidget>

#include <vector>

namespace qel::test {
namespace {

struct Row {
    Variant text;
    Variant data;
};

Recordset recordset(const std::vector<Row>& rows) {
    Recordset rs({Field{"Description", FieldType::Text, 50}, Field{"ID", FieldType::Integer, 4}});
    for (const Row& r : rows)
        rs.addRow({r.text, r.data});
    return rs;
}

QList<int> data(const QComboBox& cbo) {
    QList<int> out;
    for (int i = 0; i < cbo.count(); ++i)
        out << itemData(cbo, i);
    return out;
}

// Entries: "Alpha" 5, "Beta  " 7, " " 9, "beta" 11.
void fillSample(QComboBox& cbo) {
    FillCboBox(recordset({{"Alpha", 5}, {"Beta", 7}, {"", 9}, {"beta", 11}}), cbo, true, false);
    cbo.setItemText(1, "Beta  ");
    cbo.setItemText(2, " ");
}

} // namespace

void ComboRoutinesTest::fillingTakesTrimmedTextsAndItemData_data() {
    QTest::addColumn<bool>("withItemData");
    QTest::addColumn<bool>("add100");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("data");
    QTest::newRow("texts and item data")
        << true << false << false << QStringList{"Office", "Plant", "", "7.5"} << QList<int>{3, 4, 6, 2};
    QTest::newRow("texts only") << false << false << false << QStringList{"Office", "Plant", "", "7.5"}
                                << QList<int>{0, 0, 0, 0};
    QTest::newRow("with 100 Percent")
        << true << true << false << QStringList{"Office", "Plant", "", "7.5", "100 Percent"}
        << QList<int>{3, 4, 6, 2, 10};
    QTest::newRow("empty") << true << false << true << QStringList{} << QList<int>{};
    QTest::newRow("empty with 100 Percent")
        << true << true << true << QStringList{"100 Percent"} << QList<int>{10};
}

void ComboRoutinesTest::fillingTakesTrimmedTextsAndItemData() {
    QFETCH(bool, withItemData);
    QFETCH(bool, add100);
    QFETCH(bool, empty);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, data);
    ScriptedUiServices ui;
    QComboBox cbo;
    cbo.addItem("left over", 99);
    // A Null text gives an empty entry; a fraction of item data rounds half to even.
    const std::vector<Row> rows = {{"  Office  ", 3}, {"Plant", 4.0}, {Variant(), 6}, {7.5, 2.5}};
    FillCboBox(recordset(empty ? std::vector<Row>{} : rows), cbo, withItemData, add100);
    QCOMPARE(qel::test::comboEntries(cbo), texts);
    QCOMPARE(qel::test::data(cbo), data);
    QCOMPARE(ui.messages(), QStringList());
}

void ComboRoutinesTest::unreadableItemDataIsReportedThenTheFillEnds() {
    ScriptedUiServices ui;
    QComboBox cbo;
    FillCboBox(recordset({{"One", 1}, {"Two", "two"}, {"Three", 3}, {"Four", "four"}, {"Five", 5}}), cbo,
               true, true);
    const QStringList messages = ui.messages();
    QCOMPARE(messages.size(), 2);
    QVERIFY2(messages[0].startsWith("Error in FillCboBox. "), qPrintable(messages[0]));
    QVERIFY(messages[0].contains(" Error Number: "));
    QCOMPARE(messages[1], QStringLiteral("Can not complete operation. Exiting operation."));
    // The failing row keeps its entry; the fill ends at the second failure.
    QCOMPARE(comboEntries(cbo), (QStringList{"One", "Two", "Three", "Four"}));
    QCOMPARE(data(cbo), (QList<int>{1, 0, 3, 0}));
}

void ComboRoutinesTest::findingByText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::newRow("a blank gives the last entry") << " " << 3;
    QTest::newRow("first entry") << "Alpha" << 0;
    QTest::newRow("an entry with trailing blanks") << "Beta" << 1;
    QTest::newRow("letter case counts") << "beta" << 3;
    QTest::newRow("the given text is not trimmed") << "Beta  " << 0;
    QTest::newRow("no such entry") << "Gamma" << 0;
    QTest::newRow("empty text finds the blank entry") << "" << 2;
}

void ComboRoutinesTest::findingByText() {
    QFETCH(QString, text);
    QFETCH(int, index);
    ScriptedUiServices ui;
    QComboBox cbo;
    fillSample(cbo);
    cbo.setCurrentIndex(1);
    QSignalSpy changed(&cbo, &QComboBox::currentIndexChanged);
    QCOMPARE(GetCboIndex(text, cbo), index);
    QCOMPARE(cbo.currentIndex(), 1);
    QCOMPARE(changed.count(), 0);
}

void ComboRoutinesTest::findingByItemData_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("index");
    QTest::newRow("0 gives the last entry") << 0 << 3;
    QTest::newRow("first entry") << 5 << 0;
    QTest::newRow("later entry") << 9 << 2;
    QTest::newRow("no such item data") << 99 << -1;
}

void ComboRoutinesTest::findingByItemData() {
    QFETCH(int, value);
    QFETCH(int, index);
    ScriptedUiServices ui;
    QComboBox cbo;
    fillSample(cbo);
    cbo.setCurrentIndex(0);
    QSignalSpy changed(&cbo, &QComboBox::currentIndexChanged);
    QCOMPARE(GetCboIndexFromItemData(value, cbo), index);
    QCOMPARE(cbo.currentIndex(), 0);
    QCOMPARE(changed.count(), 0);
}

void ComboRoutinesTest::theDropDownWidensOnlyForWideEntries() {
    QWidget form;
    auto* cbo = new QComboBox(&form);
    cbo->resize(twipsToPixelsX(form, 6000), cbo->sizeHint().height());
    cbo->addItems({"Desk", "Chair"});
    const int listWidth = cbo->view()->minimumWidth();

    // Narrow entries in a wide box: the list keeps its width and the result stays in twips.
    int width = 2300;
    SetCboWidth(*cbo, form, width);
    QVERIFY(width > 2300);
    QVERIFY(width < 6000);
    QCOMPARE(cbo->view()->minimumWidth(), listWidth);

    // A wide entry: the list is widened and the result is in pixels.
    cbo->addItem(QString(200, QLatin1Char('W')));
    width = 2300;
    SetCboWidth(*cbo, form, width);
    QVERIFY(width > cbo->width());
    QCOMPARE(cbo->view()->minimumWidth(), width);
}

void ComboRoutinesTest::lookupCombosReplaceEditFieldsAndCopyBack() {
    ScriptedUiServices ui;
    QWidget form;
    MaintEditControls m;
    for (int i = 0; i < 5; ++i) {
        auto* field = new QLineEdit(&form);
        field->setGeometry(100, 40 + 30 * i, 120, 24);
        field->setText(QStringLiteral("field %1").arg(i));
        m.mskEdit.push_back(field);
    }
    auto* element0 = new QComboBox(&form);
    element0->hide();
    m.cboEdit[0] = element0;
    m.MaintFieldCount = 6; // five editable fields and the hidden key
    form.show();

    AddCboBox(m, 0);
    AddCboBox(m, 3);

    QCOMPARE(m.cboEdit.size(), std::size_t(2));
    QVERIFY(m.cboEdit[0] == element0);
    QComboBox* lookup = m.cboEdit[3];
    QVERIFY(lookup);
    QCOMPARE(lookup->objectName(), QStringLiteral("cboEdit_3"));
    QVERIFY(lookup->isVisible());
    QVERIFY(element0->isVisible());
    QVERIFY(!m.mskEdit[0]->isVisible());
    QVERIFY(!m.mskEdit[3]->isVisible());
    QVERIFY(m.mskEdit[1]->isVisible());
    QCOMPARE(lookup->x(), m.mskEdit[3]->x());
    QCOMPARE(lookup->y(), m.mskEdit[3]->y() - twipsToPixelsY(form, 25));
    QCOMPARE(lookup->width(), m.mskEdit[3]->width() + twipsToPixelsX(form, 50));
    QVERIFY(m.mskEdit[3]->nextInFocusChain() == lookup);

    element0->addItems({"Gas", "Electric"});
    element0->setCurrentIndex(1);
    lookup->addItems({"Admin", "User"});
    lookup->setCurrentIndex(1);
    UpdateEditFields(m);

    QCOMPARE(m.mskEdit[0]->text(), QStringLiteral("Electric"));
    QCOMPARE(m.mskEdit[3]->text(), QStringLiteral("User"));
    for (int i : {1, 2, 4})
        QCOMPARE(m.mskEdit[i]->text(), QStringLiteral("field %1").arg(i));
    QCOMPARE(ui.messages(), QStringList());

    // A hidden element 0 is not copied.
    element0->hide();
    element0->setCurrentIndex(0);
    UpdateEditFields(m);
    QCOMPARE(m.mskEdit[0]->text(), QStringLiteral("Electric"));
}

QEL_QTEST_REGISTER(ComboRoutinesTest);

} // namespace qel::test
