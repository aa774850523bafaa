#include "tests/app/printing/PrinterTest.h"

#include "app/printing/PrinterSurface.h"
#include "app/printing/RichText.h"
#include "app/printing/rules/AssetDetailPrinting.h"
#include "app/printing/rules/ListPrinting.h"
#include "common/ServerError.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/PdfText.h"
#include "tests/testsupport/QtTestMain.h"

#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

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

// A list of `rows` rows of a long description and two amounts, as wide as `width` twips.
ReportList wideList(int rows, std::int32_t width) {
    ReportList list;
    list.addColumn({"Description", width, CellAlign::Left, 202});
    list.addColumn({"Cost", 1400, CellAlign::Right, 5});
    list.addColumn({"Net Book Value", 1400, CellAlign::Right, 5});
    for (int i = 1; i <= rows; ++i) {
        ReportRow row = list.appendRow();
        row.set(0, "Conference table " + std::to_string(i) + " " + std::string(150, 'x'));
        row.set(1, "1,234,567.89");
        row.set(2, "123,456,789.01");
    }
    return list;
}

void printListTo(printing::ProgramPrinter& printer, const ReportList& list) {
    const auto tier = printing::chooseListTier(printing::columnWidths(list));
    QVERIFY(tier.has_value());
    printing::PrinterSurface surface(printer);
    printing::printList(surface, list, *tier, "2010 - Book Asset Ledger for Harbour Supply", Date(2012, 3, 7),
                        [](const std::string& m) { QFAIL(m.c_str()); });
}

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

void PrinterTest::theFirstTextOfAJobStandsWhereItIsPlaced() {
    TempFolder folder;
    PdfPrinter pdf(folder.path() / "placed.pdf");
    {
        printing::PrinterSurface surface(pdf.printer);
        surface.setY(5000);
        surface.setX(3000);
        surface.print("MARKER", true);
        surface.endDoc();
    }
    const PdfLayout layout = pdfLayout(pdf.file);
    QCOMPARE(layout.words.size(), std::size_t(1));
    // The printable area starts 10 points (200 twips) from the sheet's edges.
    QVERIFY(std::abs(layout.words[0].xMin - (200 + 3000) / 20.0) < 0.5);
    QVERIFY(std::abs(layout.words[0].yMin - (200 + 5000) / 20.0) < 0.5);
}

// The printer keeps its orientation from one job to the next; a landscape list followed by the
// Asset Detail page and the rich-text printout gives them portrait pages all the same.
void PrinterTest::eachPrintoutTurnsThePageItself() {
    TempFolder folder;
    printing::ProgramPrinter printer;
    printer.printer.setOutputFormat(QPrinter::PdfFormat);
    const auto printTo = [&](const char* name) {
        const std::string file = (folder.path() / name).string();
        printer.printer.setOutputFileName(QString::fromStdString(file));
        return file;
    };
    const std::string list = printTo("list.pdf");
    printListTo(printer, wideList(3, 10000));
    const std::string detail = printTo("detail.pdf");
    {
        printing::PrinterSurface surface(printer);
        printing::printAssetDetail(surface, soldDesk(), "ACME Corp", Date(2012, 3, 7),
                                   [](const std::string& m) { QFAIL(m.c_str()); });
    }
    const std::string secondList = printTo("list2.pdf");
    printListTo(printer, wideList(3, 10000));
    const std::string rich = printTo("rich.pdf");
    QTextDocument text(QStringLiteral("Asset Listing"));
    printing::printDocument(text, printer.printer, {1080, 1440, 1440, 504});

    const auto sheet = [](const std::string& file) {
        const PdfLayout layout = pdfLayout(file);
        return layout.pages.empty() ? PdfPage{} : layout.pages.front();
    };
    QCOMPARE(sheet(list).width, 792.0);
    QCOMPARE(sheet(secondList).width, 792.0);
    QCOMPARE(sheet(detail).width, 612.0);
    QCOMPARE(sheet(detail).height, 792.0);
    QCOMPARE(sheet(rich).width, 612.0);
}

// A list of 130 rows of long descriptions and large amounts, in the widest tier (landscape, 69
// rows a page) on US Letter: every word of every page lies within the printable area, 10 points
// in from each edge.
void PrinterTest::aWideListPrintsWithinThePage() {
    TempFolder folder;
    PdfPrinter pdf(folder.path() / "wide.pdf");
    printListTo(pdf.printer, wideList(130, 12400));
    const PdfLayout layout = pdfLayout(pdf.file);
    QCOMPARE(layout.pages.size(), std::size_t(2));
    constexpr double kMargin = 10;
    constexpr double kTolerance = 0.5;
    int amounts = 0;
    for (const PdfWord& w : layout.words) {
        const PdfPage& page = layout.pages.at(w.page);
        QCOMPARE(page.width, 792.0);
        const bool inside = w.xMin >= kMargin - kTolerance && w.yMin >= kMargin - kTolerance &&
                            w.xMax <= page.width - kMargin + kTolerance &&
                            w.yMax <= page.height - kMargin + kTolerance;
        QVERIFY2(inside, qPrintable(QStringLiteral("'%1' on page %2 at %3, %4 to %5, %6")
                                        .arg(QString::fromStdString(w.text))
                                        .arg(w.page + 1)
                                        .arg(w.xMin)
                                        .arg(w.yMin)
                                        .arg(w.xMax)
                                        .arg(w.yMax)));
        amounts += w.text == "123,456,789.01" ? 1 : 0;
    }
    // Every row's amount is printed whole.
    QCOMPARE(amounts, 130);
}

// A note of 300 characters without a blank in the asset listing prints whole, over several lines
// within the margins (1080 twips, 54 points, on the left; 1440, 72 points, on the right).
void PrinterTest::aRichDocumentBreaksAWordLongerThanALine() {
    TempFolder folder;
    PdfPrinter pdf(folder.path() / "long.pdf");
    const std::string word(300, 'w');
    QTextDocument text;
    QTextCursor cursor(&text);
    printing::insertRichDocument(cursor, {{360, {{"Notes:", true, 8}, {" " + word, false, 8}}}});
    printing::printDocument(text, pdf.printer.printer, {1080, 1440, 1440, 504});
    const PdfLayout layout = pdfLayout(pdf.file);
    std::string printed;
    for (const PdfWord& w : layout.words) {
        QVERIFY2(w.xMin >= 54 - 0.5 && w.xMax <= 612 - 72 + 0.5, w.text.c_str());
        if (w.text != "Notes:")
            printed += w.text;
    }
    QCOMPARE(printed, word);
}

QEL_QTEST_REGISTER(PrinterTest);

} // namespace qel::test
