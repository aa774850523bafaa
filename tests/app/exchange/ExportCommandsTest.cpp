#include "tests/app/exchange/ExportCommandsTest.h"

#include "common/Workbook.h"
#include "tests/app/exchange/ExchangeFixture.h"
#include "tests/testsupport/QtTestMain.h"
#include "tests/testsupport/WorkbookWriter.h"

#include <QFileInfo>

#include <filesystem>

namespace qel::test {
namespace {

// The sheet name and the number of data rows (below the title row) of a workbook.
std::pair<QString, int> sheetOf(const std::string& path) {
    Workbook book(path);
    int rows = 0;
    while (book.nextRow())
        rows += book.row() > 1 ? 1 : 0;
    return {QString::fromStdString(book.sheetName()), rows};
}

const QString kExtension = QStringLiteral("The file extension must be '.Xlsx' ");

} // namespace

void ExportCommandsTest::eachExportWritesItsWorkbook_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<int>("rows");
    const QString year = QStringLiteral("Enter Fiscal Year");
    const QString period = QStringLiteral("Enter fiscal period - YYYYMM");
    QTest::newRow("tax worksheet") << "mnuExportTaxWorkSheet" << year << "2012"
                                   << "TaxDepr" << 0;
    QTest::newRow("journal detail") << "MnuExportJvDetail" << period << "201203"
                                    << "BookDetailDeprJV" << 2;
    QTest::newRow("journal summary") << "mnuExportJVSummary" << period << "201203"
                                     << "BookSummaryDeprJV" << 2;
    QTest::newRow("property tax") << "mnuExportPropertyTaxData" << period << "201203"
                                  << "PropertyTax" << 1;
    QTest::newRow("asset listing") << "mnuExportAssetListing" << period << "201203"
                                   << "AssetListing" << 1;
    QTest::newRow("book asset ledger") << "mnuExportBookAssetLedger" << period << "201203"
                                       << "AssetLedger" << 1;
}

void ExportCommandsTest::eachExportWritesItsWorkbook() {
    QFETCH(QString, item);
    QFETCH(QString, prompt);
    QFETCH(QString, answer);
    QFETCH(QString, sheet);
    QFETCH(int, rows);
    ExchangeFixture f;
    const std::string path = f.file("export.xlsx");
    f.shell.ui.answerInput(answer);
    f.shell.ui.answerFile(QString::fromStdString(path));
    f.run(item.toLatin1().constData());

    const UiCall input = f.shell.ui.callsOf(UiCall::Input).at(0);
    QCOMPARE(input.text, prompt);
    QCOMPARE(input.proposed,
             prompt == "Enter Fiscal Year" ? QStringLiteral("2012") : QStringLiteral("201203"));
    QCOMPARE(f.shell.ui.callsOf(UiCall::SaveFile).at(0).text, QStringLiteral("Select Export Path"));
    QCOMPARE(f.status(), QStringLiteral("Data Exported"));
    QCOMPARE(statusColour(*f.window), kGreen);
    QVERIFY(f.shell.ui.messages().isEmpty());
    const auto [name, count] = sheetOf(path);
    QCOMPARE(name, sheet);
    QCOMPARE(count, rows);
}

void ExportCommandsTest::aYearOutsideItsRangeIsRefused_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("NoNumber") << "abc";
    QTest::newRow("Overflows") << "1e400";
    QTest::newRow("FiveDigits") << "99999";
    QTest::newRow("Before1900") << "1899";
}

void ExportCommandsTest::aYearOutsideItsRangeIsRefused() {
    QFETCH(QString, answer);
    ExchangeFixture f;
    f.shell.ui.answerInput(answer);
    f.run("mnuExportTaxWorkSheet");
    QCOMPARE(f.status(), "Year '" + answer + "' must be a number from 1900 to 9999. ");
    QCOMPARE(statusColour(*f.window), QColor(255, 0, 0));
    QVERIFY(f.shell.ui.callsOf(UiCall::SaveFile).empty());
    QVERIFY(f.shell.ui.messages().isEmpty());
}

void ExportCommandsTest::cancelledPromptsOpenNoDialog() {
    ExchangeFixture f;
    f.run("mnuExportTaxWorkSheet");
    f.run("MnuExportJvDetail");
    QCOMPARE(f.shell.ui.callsOf(UiCall::Input).size(), std::size_t(2));
    QVERIFY(f.shell.ui.callsOf(UiCall::SaveFile).empty());
    QVERIFY(f.shell.ui.messages().isEmpty());
    QCOMPARE(f.status(), QString());
}

void ExportCommandsTest::refusedPeriods_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("message");
    const QString invalid =
        QStringLiteral(" Invalid Period. Please renter period in the following format. YYYYMM ");
    const QString notCalculated = QStringLiteral(" Depreciation has not been calculated for this period. ");
    QTest::newRow("not a date") << "2012-3" << invalid;
    QTest::newRow("month 13") << "201213" << invalid;
    QTest::newRow("five characters") << "20123" << invalid;
    QTest::newRow("year 1899") << "189912" << invalid;
    QTest::newRow("the next period to post") << "201204" << notCalculated;
    QTest::newRow("after it") << "201301" << notCalculated;
    QTest::newRow("before the first posted") << "201112" << notCalculated;
}

void ExportCommandsTest::refusedPeriods() {
    QFETCH(QString, answer);
    QFETCH(QString, message);
    ExchangeFixture f;
    f.shell.ui.answerInput(answer);
    f.run("mnuExportAssetListing");
    QCOMPARE(f.status(), message);
    QCOMPARE(statusColour(*f.window), kRed);
    QVERIFY(f.shell.ui.callsOf(UiCall::SaveFile).empty());
}

void ExportCommandsTest::aWrongExtensionAsksAgain() {
    ExchangeFixture f;
    f.shell.ui.answerInput(QStringLiteral("2012"));
    f.shell.ui.answerFile(QString::fromStdString(f.file("tax.csv")));
    f.shell.ui.answerFile(QString::fromStdString(f.file("tax.XLSX")));
    f.run("mnuExportTaxWorkSheet");
    QCOMPARE(f.shell.ui.messages(), QStringList{kExtension});
    const UiCall box = f.shell.ui.callsOf(UiCall::Message).at(0);
    QCOMPARE(box.title, QStringLiteral("Please change file extension..."));
    QCOMPARE(box.icon, MsgIcon::Exclamation);
    QCOMPARE(f.shell.ui.callsOf(UiCall::SaveFile).size(), std::size_t(2));
    QVERIFY(QFileInfo::exists(QString::fromStdString(f.file("tax.XLSX"))));
    QVERIFY(!QFileInfo::exists(QString::fromStdString(f.file("tax.csv"))));
}

void ExportCommandsTest::aSecondWrongExtensionEnds() {
    ExchangeFixture f;
    f.shell.ui.answerInput(QStringLiteral("2012"));
    f.shell.ui.answerFile(QString::fromStdString(f.file("tax.csv")));
    f.shell.ui.answerFile(QString::fromStdString(f.file("tax.xls")));
    f.run("mnuExportTaxWorkSheet");
    QCOMPARE(f.shell.ui.messages(), (QStringList{kExtension, kExtension}));
    QCOMPARE(f.status(), QString());
}

void ExportCommandsTest::aCancelledDialogIsBlank() {
    ExchangeFixture f;
    f.shell.ui.answerInput(QStringLiteral("2012"));
    f.run("mnuExportTaxWorkSheet");
    QCOMPARE(f.shell.ui.messages(), QStringList{QStringLiteral("Export can not be blank.")});
}

void ExportCommandsTest::anExistingWorkbookIsReplacedOnlyWhenTheNewOneIsComplete() {
    ExchangeFixture f;
    const std::string path = f.file("listing.xlsx");
    writeXlsx(path, SheetData{{"old"}});
    // The worksheet cannot be read: the export fails, the old workbook stays as it was.
    f.shell.fresh.exec("ALTER TABLE tblAssets RENAME TO tblAssetsAway");
    f.shell.ui.answerInput(QStringLiteral("2012"));
    f.shell.ui.answerFile(QString::fromStdString(path));
    f.shell.ui.answerMessage(MsgResult::Yes);
    f.run("mnuExportTaxWorkSheet");
    const QStringList messages = f.shell.ui.messages();
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages[0], QStringLiteral("The file [") + QString::fromStdString(path) +
                              QStringLiteral("] alway exist... Do you want to replace it?"));
    QCOMPARE(f.shell.ui.callsOf(UiCall::Message).at(0).title, QStringLiteral("Please change file path..."));
    QCOMPARE(f.shell.ui.callsOf(UiCall::Message).at(0).buttons, MsgButtons::YesNo);
    QCOMPARE(f.shell.ui.callsOf(UiCall::Message).at(0).defaultAnswer, MsgResult::No); // Enter keeps the file
    QVERIFY(messages[1].startsWith("Error in DoExport. "));
    QCOMPARE(sheetOf(path).first, QStringLiteral("Sheet1"));
    for (const auto& entry : std::filesystem::directory_iterator(f.shell.fresh.folder()))
        QVERIFY2(entry.path().string().find(".new") == std::string::npos, entry.path().c_str());

    // A complete export replaces it.
    f.shell.fresh.exec("ALTER TABLE tblAssetsAway RENAME TO tblAssets");
    f.shell.ui.clear();
    f.shell.ui.answerInput(QStringLiteral("2012"));
    f.shell.ui.answerFile(QString::fromStdString(path));
    f.shell.ui.answerMessage(MsgResult::Yes);
    f.run("mnuExportTaxWorkSheet");
    QCOMPARE(f.status(), QStringLiteral("Data Exported"));
    QCOMPARE(sheetOf(path).first, QStringLiteral("TaxDepr"));
}

void ExportCommandsTest::noToReplaceAsksForAnotherPathAndTestsItAgain() {
    ExchangeFixture f;
    const std::string existing = f.file("listing.xlsx");
    writeXlsx(existing, SheetData{{"old"}});
    f.shell.ui.answerInput(QStringLiteral("2012"));
    f.shell.ui.answerFile(QString::fromStdString(existing));
    f.shell.ui.answerMessage(MsgResult::No);
    f.shell.ui.answerFile(QString::fromStdString(f.file("listing.csv")));
    f.run("mnuExportTaxWorkSheet");
    QCOMPARE(f.shell.ui.messages().size(), 2);
    QCOMPARE(f.shell.ui.messages()[1], kExtension);
    QCOMPARE(sheetOf(existing).first, QStringLiteral("Sheet1"));

    f.shell.ui.clear();
    f.shell.ui.answerInput(QStringLiteral("2012"));
    f.shell.ui.answerFile(QString::fromStdString(existing));
    f.shell.ui.answerMessage(MsgResult::No);
    f.shell.ui.answerFile(QString::fromStdString(f.file("other.xlsx")));
    f.run("mnuExportTaxWorkSheet");
    QCOMPARE(f.status(), QStringLiteral("Data Exported"));
    QCOMPARE(sheetOf(f.file("other.xlsx")).first, QStringLiteral("TaxDepr"));
    QCOMPARE(sheetOf(existing).first, QStringLiteral("Sheet1"));
}

void ExportCommandsTest::aFailingExportShowsItsErrorAndNoDataExported() {
    ExchangeFixture f;
    f.shell.ui.answerInput(QStringLiteral("2012"));
    f.shell.ui.answerFile(QString::fromStdString(f.file("no such folder/tax.xlsx")));
    f.run("mnuExportTaxWorkSheet");
    QCOMPARE(f.shell.ui.messages().size(), 1);
    QVERIFY(f.shell.ui.messages()[0].startsWith("Error in DoExport. "));
    QVERIFY(f.shell.ui.messages()[0].contains(" Error Number: "));
    QCOMPARE(f.status(), QString());
}

QEL_QTEST_REGISTER(ExportCommandsTest);

} // namespace qel::test
