#include "tests/app/printing/ListPrintTest.h"

#include "app/printing/Printing.h"
#include "app/reports/ReportListModel.h"
#include "tests/app/reports/ReportsFixture.h"
#include "tests/testsupport/PdfText.h"
#include "tests/testsupport/QtTestMain.h"

#include <QPushButton>

#include <regex>

namespace qel::test {
namespace {

// The report windows of the fixture company with the real printing services.
struct ListPrintFixture : ReportsFixture {
    ListPrintFixture() {
        printing.today = [] { return Date(2012, 3, 7); };
        registerServices(static_cast<PrintingServices&>(printing));
    }

    // Opens the Depreciation WorkSheet of 2010 and prints it to `pdf`.
    reports::FrmDocument& worksheet() {
        choose("mnuAssetWorkSheet", QStringLiteral("2010"));
        return *reportWindows().back();
    }

    std::string pdf(const char* name) const { return (fresh.folder() / name).string(); }

    printing::Printing printing;
};

} // namespace

void ListPrintTest::theReportWindowsPrintButtonPrintsTheList() {
    ListPrintFixture f;
    reports::FrmDocument& doc = f.worksheet();
    QVERIFY(doc.cmdPrint->isEnabled());
    const std::string pdf = f.pdf("worksheet.pdf");
    f.ui.answerPrint(QString::fromStdString(pdf));
    doc.cmdPrint->click();
    QCOMPARE(f.ui.callsOf(UiCall::Print).size(), std::size_t(1));
    QVERIFY(f.ui.messages().isEmpty());
    const std::string text = pdfText(pdf);
    QCOMPARE(pdfPageCount(pdf), 1);
    // pdftotext spaces the page number by its place on the page.
    QVERIFY(std::regex_search(text, std::regex("Page +1")));
    for (const std::string& expected :
         {std::string("03/07/2012"), doc.windowTitle().toStdString(), std::string("Desk"),
          std::string("Warehouse"), std::string("Grand Total")})
        QVERIFY2(text.find(expected) != std::string::npos, expected.c_str());
}

void ListPrintTest::aSortedListPrintsAsShown() {
    ListPrintFixture f;
    reports::FrmDocument& doc = f.worksheet();
    const auto column = [&](const char* title) {
        const auto& columns = doc.list().columns();
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (QString::fromStdString(columns[c].title).trimmed() == QLatin1String(title))
                return static_cast<int>(c);
        return -1;
    };
    const QString first = shownColumn(*doc.lvListView, 1).at(8);
    // Desk (1,000) comes before Chair (600) in the report; by the cost, Chair comes first.
    doc.lvListView->model()->sort(column("Asset Cost"), Qt::AscendingOrder);
    const QStringList shown = shownColumn(*doc.lvListView, 1);
    QVERIFY(shown.at(8) != first);

    const std::string pdf = f.pdf("sorted.pdf");
    f.ui.answerPrint(QString::fromStdString(pdf));
    doc.cmdPrint->click();
    const std::string text = pdfText(pdf);
    const auto at = [&](const QString& name) { return text.find(" " + name.toStdString() + " "); };
    QVERIFY(at(shown.at(8)) != std::string::npos);
    QVERIFY(at(shown.at(8)) < at(shown.at(9)));
}

void ListPrintTest::cancelInThePrintDialogPrintsNothing() {
    ListPrintFixture f;
    f.worksheet().cmdPrint->click();
    QCOMPARE(f.ui.callsOf(UiCall::Print).size(), std::size_t(1));
    QVERIFY(f.ui.messages().isEmpty());
}

void ListPrintTest::aListTooWideIsRefused() {
    ListPrintFixture f;
    ReportList list;
    list.addColumn({"Wide", 19540, CellAlign::Left, 202});
    f.printing.PrintListView(list, QStringLiteral("Too wide"));
    QCOMPARE(f.ui.messages(), QStringList{QStringLiteral("To Wide to Print")});
    QVERIFY(f.ui.callsOf(UiCall::Print).empty());
}

void ListPrintTest::theAssetDetailPrintsThroughTheDialog() {
    ListPrintFixture f;
    AssetDetailPage asset;
    asset.description = "Desk";
    asset.assetId = "1";
    asset.sold = kNoDisposalMonth;
    f.printing.PrintAssetDetail(asset);
    QCOMPARE(f.ui.callsOf(UiCall::Print).size(), std::size_t(1));

    const std::string pdf = f.pdf("detail.pdf");
    f.ui.answerPrint(QString::fromStdString(pdf));
    f.printing.PrintAssetDetail(asset);
    const std::string text = pdfText(pdf);
    QVERIFY(text.find(kCompanyName) != std::string::npos);
    QVERIFY(text.find("Asset Detail") != std::string::npos);
    QVERIFY(text.find("Desk") != std::string::npos);
}

QEL_QTEST_REGISTER(ListPrintTest);

} // namespace qel::test
