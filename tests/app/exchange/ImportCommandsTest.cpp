#include "tests/app/exchange/ImportCommandsTest.h"

#include "app/printing/FrmRichText.h"
#include "app/shell/ChildWindows.h"
#include "tests/app/exchange/ExchangeFixture.h"
#include "tests/testsupport/FileLines.h"
#include "tests/testsupport/GuardedCall.h"
#include "tests/testsupport/ImportSheets.h"
#include "tests/testsupport/QtTestMain.h"

#include <QMdiSubWindow>
#include <QTextEdit>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace qel::test {
namespace {

const char* kLogName = "ImportLog-3-7-2012-14-5-9.txt";

std::vector<Variant> assetRow(std::int32_t company, const char* name) {
    auto row = importRow(company);
    row[B] = name;
    return row;
}

// Writes the sheet into the user documents folder (where the dialog starts); its path.
std::string writeSheet(const ExchangeFixture& f, const std::vector<std::vector<Variant>>& rows,
                       const char* name = "ImportAssets.xlsx") {
    const auto path = f.shell.fresh.folder() / name;
    if (path.extension() == ".xls")
        writeXls(path, importSheet(rows));
    else
        writeXlsx(path, importSheet(rows));
    return path.string();
}

std::int64_t importedCount(const ExchangeFixture& f) {
    return f.shell.fresh.value("SELECT count(*) FROM tblAssets WHERE Asset_name <> 'Lathe'").toInt64();
}

} // namespace

void ImportCommandsTest::aPassingWorkbookIsImportedCompletedAndComputed() {
    ExchangeFixture f;
    auto car = assetRow(f.company, "Car");
    car[E] = 9;
    car[J] = 5;
    car[K] = "Yes";
    auto truck = car;
    truck[B] = "Truck";
    const std::string path = writeSheet(f, {assetRow(f.company, "Desk"), car, truck});
    f.shell.ui.answerFile(QString::fromStdString(path));
    f.run("mnuImportAssets");

    const UiCall dialog = f.shell.ui.callsOf(UiCall::OpenFile).at(0);
    QCOMPARE(dialog.text, QStringLiteral("Select Import Path"));
    QCOMPARE(dialog.proposed, QStringLiteral("ImportAssets"));
    QVERIFY(f.shell.ui.messages().isEmpty());
    QCOMPARE(f.status(), QStringLiteral("Data Imported"));
    QCOMPARE(statusColour(*f.window), kGreen);
    QVERIFY(!std::filesystem::exists(f.document(kLogName)));
    QCOMPARE(importedCount(f), std::int64_t(3));
    const Recordset rs = f.shell.fresh.conn().query(
        "SELECT Asset_name, fiscal_start_date, actual_method, vehicle_num, DoImportDepr FROM tblAssets"
        " WHERE Asset_name <> 'Lathe' ORDER BY Asset_num");
    QCOMPARE(column(rs, 0), (std::vector<std::string>{"Desk", "Car", "Truck"}));
    QCOMPARE(column(rs, 1), (std::vector<std::string>{"2010-07-01", "2010-07-01", "2010-07-01"}));
    QCOMPARE(column(rs, 2), (std::vector<std::string>{"200 DB", "200 DB", "200 DB"}));
    QCOMPARE(column(rs, 3), (std::vector<std::string>{"0", "1", "2"}));
    QCOMPARE(column(rs, 4), (std::vector<std::string>{"False", "False", "False"}));
    QCOMPARE(f.shell.fresh
                 .value("SELECT count(DISTINCT d.Asset_num) FROM tblDepr d JOIN tblAssets a"
                        " ON a.Asset_num = d.Asset_num WHERE a.Asset_name <> 'Lathe'")
                 .toInt64(),
             std::int64_t(3));
}

void ImportCommandsTest::anXlsWorkbookIsImportedToo() {
    ExchangeFixture f;
    f.shell.ui.answerFile(QString::fromStdString(writeSheet(f, {assetRow(f.company, "Desk")}, "old.xls")));
    f.run("mnuImportAssets");
    QCOMPARE(f.status(), QStringLiteral("Data Imported"));
    QCOMPARE(importedCount(f), std::int64_t(1));
}

void ImportCommandsTest::aRefusedWorkbookLeavesItsLogAndNoAsset() {
    ExchangeFixture f;
    auto bad = assetRow(f.company, "Desk");
    bad[C] = 0;
    bad[I] = 7;
    f.shell.ui.answerFile(QString::fromStdString(writeSheet(f, {assetRow(f.company, "Chair"), bad})));
    f.run("mnuImportAssets");
    QCOMPARE(f.status(), QStringLiteral("Invalid Import data. See Import Log."));
    QCOMPARE(statusColour(*f.window), kRed);
    QCOMPARE(importedCount(f), std::int64_t(0));
    QCOMPARE(fileLines(f.document(kLogName)),
             (std::vector<std::string>{"3/7/2012 2:05:09 PM", "Cost is required for row 3",
                                       "Convention needs to be between 1 & 4 for row 3",
                                       "Convention needs to be 1 or 2 for row 3"}));
}

void ImportCommandsTest::aVehicleAboveItsFirstYearLimitIsRefusedInTheLog() {
    ExchangeFixture f;
    // A car placed in service in July 2010 at 80 % business use: its first-year limit is 3,060.
    auto car = assetRow(f.company, "Car");
    car[E] = 9;
    car[J] = 5;
    car[K] = "Yes";
    car[C] = 30000;
    car[N] = 0.8;
    car[H] = 2449;
    f.shell.ui.answerFile(QString::fromStdString(writeSheet(f, {assetRow(f.company, "Chair"), car})));
    f.run("mnuImportAssets");
    QCOMPARE(f.status(), QStringLiteral("Invalid Import data. See Import Log."));
    QCOMPARE(importedCount(f), std::int64_t(0));
    QCOMPARE(fileLines(f.document(kLogName)),
             (std::vector<std::string>{"3/7/2012 2:05:09 PM",
                                       "179 deduction (H) is above the vehicle's first-year limit of 2448 "
                                       "(3060 x 0.8 business use) for row 3"}));
}

void ImportCommandsTest::anEmptySheetSaysNoDataFound() {
    ExchangeFixture f;
    auto empty = assetRow(f.company, "Desk");
    empty[A] = Variant();
    f.shell.ui.answerFile(QString::fromStdString(writeSheet(f, {empty})));
    f.run("mnuImportAssets");
    QCOMPARE(f.status(), QStringLiteral("Invalid Import data. See Import Log."));
    QCOMPARE(fileLines(f.document(kLogName)),
             (std::vector<std::string>{"3/7/2012 2:05:09 PM", "No data found."}));
}

void ImportCommandsTest::aCancelledDialogIsBlank() {
    ExchangeFixture f;
    f.run("mnuImportAssets");
    QCOMPARE(f.shell.ui.messages(), QStringList{QStringLiteral("Import path can not be blank.")});
    QCOMPARE(f.status(), QString());
}

void ImportCommandsTest::aWrongExtensionAsksAgain() {
    ExchangeFixture f;
    f.shell.ui.answerFile(QString::fromStdString(f.file("assets.csv")));
    f.shell.ui.answerFile(QString::fromStdString(writeSheet(f, {assetRow(f.company, "Desk")})));
    f.run("mnuImportAssets");
    QCOMPARE(f.shell.ui.messages(), QStringList{QStringLiteral("The file extension must be '.Xlsx' ")});
    QCOMPARE(f.status(), QStringLiteral("Data Imported"));
}

void ImportCommandsTest::aFailingProcessingLeavesNoImportedAsset() {
    ExchangeFixture f;
    // The depreciation run of the second asset fails: the whole import is undone.
    f.shell.fresh.exec("CREATE TRIGGER refuseChair BEFORE INSERT ON tblDepr WHEN NEW.Asset_num ="
                       " (SELECT Asset_num FROM tblAssets WHERE Asset_name = 'Chair')"
                       " BEGIN SELECT RAISE(ABORT, 'no schedule for the chair'); END");
    f.shell.ui.answerFile(
        QString::fromStdString(writeSheet(f, {assetRow(f.company, "Desk"), assetRow(f.company, "Chair")})));
    f.run("mnuImportAssets");
    QCOMPARE(f.shell.ui.messages().size(), 1);
    QVERIFY(f.shell.ui.messages()[0].startsWith("Error in DoImports. "));
    QVERIFY(f.shell.ui.messages()[0].contains("no schedule for the chair"));
    QCOMPARE(importedCount(f), std::int64_t(0));
    QCOMPARE(f.shell.fresh.value("SELECT count(*) FROM tblAssets WHERE DoImportDepr = 1").toInt64(),
             std::int64_t(0));
}

void ImportCommandsTest::aWorkbookThatCannotBeReadIsReported() {
    ExchangeFixture f;
    const std::string path = f.file("broken.xlsx");
    std::ofstream(path) << "not a workbook";
    f.shell.ui.answerFile(QString::fromStdString(path));
    f.run("mnuImportAssets");
    QCOMPARE(f.shell.ui.messages().size(), 1);
    QVERIFY(f.shell.ui.messages()[0].startsWith("Error in DoImports. "));
    QVERIFY(f.shell.ui.messages()[0].contains("broken.xlsx"));
    // The log keeps its date line.
    QCOMPARE(fileLines(f.document(kLogName)), std::vector<std::string>{"3/7/2012 2:05:09 PM"});
}

void ImportCommandsTest::theImportLogItemShowsTheChosenLog() {
    ExchangeFixture f;
    const std::string log = f.document(kLogName);
    std::ofstream(log) << "3/7/2012 2:05:09 PM\nNo data found.\n";
    f.shell.ui.answerFile(QString::fromStdString(log));
    f.run("mnuImportLog");
    const UiCall dialog = f.shell.ui.callsOf(UiCall::OpenFile).at(0);
    QCOMPARE(dialog.text, QStringLiteral("Select Log File Path"));
    QMdiSubWindow* window = f.window->childWindows().find(printing::FrmRichText::kKey);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Import log"));
    QCOMPARE(qobject_cast<printing::FrmRichText*>(window->widget())->rtbReport->toPlainText(),
             QStringLiteral("3/7/2012 2:05:09 PM\nNo data found.\n"));

    // Cancel shows nothing.
    f.window->childWindows().closeAll();
    f.run("mnuImportLog");
    QVERIFY(!f.window->childWindows().find(printing::FrmRichText::kKey));
}

void ImportCommandsTest::aNamedPipeIsRefusedAtOnce_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message"); // %1 is the chosen path
    QTest::newRow("import")
        << "mnuImportAssets"
        << "ImportAssets.xlsx"
        << "Error in DoImports. The workbook '%1' cannot be read: it is a named pipe, not a "
           "file.";
    QTest::newRow("import log")
        << "mnuImportLog"
        << "ImportLog.txt"
        << "Error in mnuImportLog. The file '%1' cannot be read: it is a named pipe, not "
           "a file.";
}

// A named pipe chosen as the workbook or the log is refused without being opened (opening it
// would wait for a writer). The command runs guarded in a child process, so the test fails
// rather than hangs should it wait; the child's code says what it saw.
void ImportCommandsTest::aNamedPipeIsRefusedAtOnce() {
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(QString, message);
    ExchangeFixture f;
    const std::string pipe = f.file(name.toStdString());
    QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
    f.shell.ui.answerFile(QString::fromStdString(pipe));

    const GuardedResult result = runGuarded([&] {
        f.run(item.toLatin1().constData());
        const QStringList messages = f.shell.ui.messages();
        const QString expected = QString(message).replace("%1", QString::fromStdString(pipe));
        if (messages.size() == 1 && messages[0].startsWith(expected) && importedCount(f) == 0)
            return 0;
        std::fprintf(stderr, "messages: %s\n", qPrintable(messages.join(" | ")));
        return 1;
    });

    QVERIFY2(result.returned, result.describe().c_str());
    QCOMPARE(result.code, 0);
}

QEL_QTEST_REGISTER(ImportCommandsTest);

} // namespace qel::test
