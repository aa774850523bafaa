// The report menu items through the real main window.
#include "tests/app/reports/ReportMenusTest.h"

#include "tests/app/reports/ReportsFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAction>
#include <QTest>

namespace qel::test {

void ReportMenusTest::eachReportItemOpensItsWindow_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("answer"); // null: the item asks nothing
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("firstCell");
    QTest::addColumn<QString>("caption");

    const QString year = QStringLiteral("2010");
    const QString period = QStringLiteral("201006");
    const QString of = QStringLiteral(" for Harbour Supply");
    // Worksheets: records + 3 rows a method group + the grand total; total-row reports: records
    // + a blank and a total row from two records on.
    QTest::newRow("179 WorkSheet") << "mnu179WrkSheet" << year << 2 + 2 << "Chair"
                                   << "2010 - 179 WorkSheet" + of;
    QTest::newRow("50 Year Assets") << "mnuADS50Yr" << year << 1 << "Warehouse"
                                    << "2010 - 50 Year Assets" + of;
    QTest::newRow("Auto Use") << "mnuAutoUseRpt" << year << 1 << "Truck"
                              << "2010 - Auto Use" + of;
    QTest::newRow("Current Year Worksheet") << "mnuCurrentWrkSheet" << year << 3 + 2 * 3 + 1 << "ADS"
                                            << "2010 - Current Year WorkSheet" + of;
    QTest::newRow("Depreciation WorkSheet") << "mnuAssetWorkSheet" << year << 5 + 4 * 3 + 1 << "ADS"
                                            << "2010 - Depreciation WorkSheet" + of;
    QTest::newRow("Disposed Assets") << "mnuDisposedAssets" << year << 1 << "Copier"
                                     << "2010  - Disposed Assets" + of;
    QTest::newRow("New Assets") << "mnuNewAssets" << year << 3 + 2 << "Warehouse"
                                << "2010 - New Assets" + of;
    QTest::newRow("New Assets Worksheet") << "mnuNewAssetWorksheet" << year << 3 + 2 * 3 + 1 << "ADS"
                                          << "2010 - New Assets WorkSheet" + of;
    QTest::newRow("AMT Differences") << "mnuAMTDifferences" << year << 2 + 2 << "Desk"
                                     << "AMT Differences";
    // Account groups: records + 3 rows an account + the grand total.
    QTest::newRow("Book Asset Ledger")
        << "mnuBookAssetLedger" << period << 5 + 2 * 3 + 1 << "Office Equipment"
        << "201006 - Book Asset Ledger" + of;
    QTest::newRow("Chart of Accounts") << "mnuChartOfAccounts" << QString() << 2 << "Office Equipment"
                                       << "Chart of Accounts";
    // Ten lines in four accounts: 3 rows between accounts, 5 after the last.
    QTest::newRow("Depr Journal Detail") << "mnuDeprJvDetail" << period << 10 + 3 * 3 + 5 << "1600"
                                         << "201006 - Depr Journal Detail" + of;
    QTest::newRow("Depr Journal Summary") << "mnuJournalEntry" << period << 4 + 2 << "6100"
                                          << "201006 - Depr Journal Summary" + of;
    QTest::newRow("Book Disposed Assets") << "mnuBookDisposedAssets" << period << 1 << "Copier"
                                          << "Book Disposed Assets Data for Harbour Supply thru 201006";
    // Four assets held at the period: no class (2010), Furniture (2010), Transport (2009).
    QTest::newRow("Property Tax") << "mnuPropertyTax" << period << 4 + 6 + 6 + 4 + 2 << " "
                                  << "Property Tax Data for Harbour Supply thru 201006";
    QTest::newRow("Tag Nbr to Asset Id") << "mnuTagToAssetId" << QString() << 3 << "T-100"
                                         << "Tag Nbr To Asset ID";
}

void ReportMenusTest::eachReportItemOpensItsWindow() {
    QFETCH(QString, item);
    QFETCH(QString, answer);
    QFETCH(int, rows);
    QFETCH(QString, firstCell);
    QFETCH(QString, caption);
    ReportsFixture f;
    QVERIFY(f.window.menuItem(item)->isEnabled());
    f.choose(item.toLatin1().constData(), answer);

    QCOMPARE(f.ui.messages(), QStringList());
    QCOMPARE(f.ui.callsOf(UiCall::Input).size(), answer.isNull() ? 0u : 1u);
    const QList<reports::FrmDocument*> windows = f.reportWindows();
    QCOMPARE(windows.size(), 1);
    const reports::FrmDocument* doc = windows.front();
    QCOMPARE(doc->windowTitle(), caption);
    QCOMPARE(doc->lvListView->model()->rowCount(), rows);
    QCOMPARE(doc->lvListView->model()->index(0, 0).data().toString(), firstCell);
    QCOMPARE(static_cast<int>(doc->list().rowCount()), rows);
}

void ReportMenusTest::theYearPromptOffersTheWorkingYear() {
    ReportsFixture f;
    f.choose("mnuAssetWorkSheet", QString());
    const auto inputs = f.ui.callsOf(UiCall::Input);
    QCOMPARE(inputs.size(), 1u);
    QCOMPARE(inputs[0].text, QStringLiteral("Enter Fiscal Year"));
    QCOMPARE(inputs[0].title, QStringLiteral("Depreciation WorkSheet"));
    QCOMPARE(inputs[0].proposed, QStringLiteral("2010"));
    // Cancelled: nothing opens and nothing is said.
    QVERIFY(f.reportWindows().isEmpty());
    QCOMPARE(f.window.statusLabel()->text(), QString());
    QCOMPARE(f.ui.messages(), QStringList());
}

void ReportMenusTest::thePeriodPromptOffersTodaysFiscalMonth() {
    ReportsFixture f;
    f.choose("mnuDeprJvDetail", QString());
    const auto inputs = f.ui.callsOf(UiCall::Input);
    QCOMPARE(inputs.size(), 1u);
    QCOMPARE(inputs[0].text, QStringLiteral("Enter fiscal period - YYYYMM"));
    QCOMPARE(inputs[0].title, QStringLiteral("Depr Journal Detail"));
    QCOMPARE(inputs[0].proposed, QStringLiteral("201006"));

    // A fiscal year ending in June puts June 2010 in fiscal month 12 of 2010.
    f.fresh.exec("UPDATE tblCompany SET [Year End Month] = 6 WHERE id = " + sqlNumber(f.company));
    f.choose("mnuDeprJvDetail", QString());
    QCOMPARE(f.ui.callsOf(UiCall::Input).at(1).proposed, QStringLiteral("201012"));
}

void ReportMenusTest::setDefaultYearChangesTheWorkingYear() {
    ReportsFixture f;
    f.choose("mnuDefaultYear", QStringLiteral("2011"));
    QCOMPARE(programState().WorkingYear(), std::int16_t{2011});
    QCOMPARE(f.fresh.value("SELECT DefaultYear FROM tblDefaults").toInt32(), 2011);
    QVERIFY(f.reportWindows().isEmpty());
    QCOMPARE(f.ui.messages(), QStringList());
}

void ReportMenusTest::itemsOfWindowsStillToComeAreDisabled() {
    ReportsFixture f;
    // The vehicle items need the vehicles' services and the asset listing the printing services,
    // which this fixture does not register; the window arrangement and the two choice windows are
    // in the program now (their tests are WindowArrangementTest and ReportChoicesTest).
    for (const char* item : {"mnuAutoUse", "mnuAutoQstForEmployees", "mnuAssetListing"})
        QVERIFY2(!f.window.menuItem(QString::fromLatin1(item))->isEnabled(), item);
    for (const char* item :
         {"mnuForm4562_2", "mnuDefaultYear", "mnuPropertyTax", "mnuTagToAssetId", "mnuReportsTax"})
        QVERIFY2(f.window.menuItem(QString::fromLatin1(item))->isEnabled(), item);
}

QEL_QTEST_REGISTER(ReportMenusTest);

} // namespace qel::test
