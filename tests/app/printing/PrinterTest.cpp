#include "tests/app/printing/PrinterTest.h"

#include "app/printing/PrinterSurface.h"
#include "app/printing/RichText.h"
#include "app/printing/rules/AssetDetailPrinting.h"
#include "common/ServerError.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/PdfText.h"
#include "tests/testsupport/QtTestMain.h"

#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

namespace qel::test {
namespace {

using printing::Orientation;

// A printer of its own that prints to the PDF file.
struct PdfPrinter {
    explicit PdfPrinter(const std::filesystem::path& path) : file(path.string()) {
        printer.printer.setOutputFormat(QPrinter::PdfFormat);
        printer.printer.setOutputFileName(QString::fromStdString(file));
    }
    printing::ProgramPrinter printer;
    std::string file;
};

// A desk sold in June 2012 at a loss.
AssetDetailPage soldDesk() {
    AssetDetailPage asset;
    asset.description = "Office desk";
    asset.assetId = "17";
    asset.method = "MACRS";
    asset.cost = "1234.5";
    asset.convention = 1;
    asset.sold = "06/2012";
    asset.gainLoss = "-1200";
    return asset;
}

} // namespace

void PrinterTest::theAssetDetailPagePrintsItsFields() {
    TempFolder folder;
    PdfPrinter pdf(folder.path() / "detail.pdf");
    const AssetDetailPage asset = soldDesk();
    {
        printing::PrinterSurface surface(pdf.printer);
        printing::printAssetDetail(surface, asset, "ACME Corp", Date(2012, 3, 7),
                                   [](const std::string& m) { QFAIL(m.c_str()); });
    }
    const std::string text = pdfText(pdf.file);
    QCOMPARE(pdfPageCount(pdf.file), 1);
    for (const char* expected : {"ACME Corp", "03/07/2012", "Asset Detail", "Description:", "Office desk",
                                 "Asset ID:", "17", "Cost:", "1,235", "HY", "Disposition Data:", "-1,200"})
        QVERIFY2(text.find(expected) != std::string::npos, expected);
}

void PrinterTest::pageBreaksGiveNewPagesInTheirOrientation() {
    TempFolder folder;
    PdfPrinter pdf(folder.path() / "pages.pdf");
    {
        printing::PrinterSurface surface(pdf.printer);
        surface.setOrientation(Orientation::Landscape);
        surface.print("first page", true);
        surface.newPage();
        surface.print("second page", true);
        surface.endDoc();
    }
    QCOMPARE(pdfPageCount(pdf.file), 2);
    const std::string text = pdfText(pdf.file);
    QVERIFY(text.find("first page") < text.find('\f'));
    QVERIFY(text.find("second page") > text.find('\f'));
    QCOMPARE(pdf.printer.printer.pageLayout().orientation(), QPageLayout::Landscape);
}

void PrinterTest::aPrinterThatCannotPrintRaisesPrinterError() {
    TempFolder folder;
    PdfPrinter pdf(folder.path() / "no such folder" / "out.pdf");
    printing::PrinterSurface surface(pdf.printer);
    try {
        surface.print("text", true);
        QFAIL("printed");
    } catch (const ServerError& e) {
        QCOMPARE(e.number(), printing::kPrinterError);
        QVERIFY(e.description().starts_with("Printer error"));
    }
}

void PrinterTest::theFontStaysWithThePrinterBetweenJobs() {
    TempFolder folder;
    PdfPrinter pdf(folder.path() / "font.pdf");
    {
        printing::PrinterSurface surface(pdf.printer);
        surface.setFontSize(7);
        surface.setBold(true);
        surface.print("x", true);
        surface.endDoc();
    }
    QCOMPARE(pdf.printer.points, 7.0);
    QVERIFY(pdf.printer.bold);
}

void PrinterTest::aRichDocumentPrintsInPages() {
    TempFolder folder;
    PdfPrinter pdf(folder.path() / "rich.pdf");
    printing::RichDocument doc;
    for (int i = 1; i <= 200; ++i)
        doc.push_back({360, {{"Label " + std::to_string(i) + ":", true, 8}, {" value", false, 8}}});
    QTextDocument text;
    QTextCursor cursor(&text);
    printing::insertRichDocument(cursor, doc);
    QCOMPARE(text.blockCount(), 200);
    printing::printDocument(text, pdf.printer.printer, {1080, 1440, 1440, 504});
    const std::string printed = pdfText(pdf.file);
    QVERIFY(pdfPageCount(pdf.file) > 1);
    QVERIFY(printed.find("Label 1: value") != std::string::npos);
    QVERIFY(printed.find("Label 200: value") != std::string::npos);
}

void PrinterTest::anEmptyDocumentPrintsOneEmptyPage() {
    TempFolder folder;
    PdfPrinter pdf(folder.path() / "empty.pdf");
    QTextDocument text;
    printing::printDocument(text, pdf.printer.printer, {1080, 1440, 1440, 504});
    QCOMPARE(pdfPageCount(pdf.file), 1);
}

QEL_QTEST_REGISTER(PrinterTest);

} // namespace qel::test
