#include "app/printing/RichText.h"

#include "app/printing/rules/PrintSurface.h"
#include "common/ServerError.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

#include <memory>

namespace qel::printing {
namespace {

constexpr double kTwipsPerInch = 1440;

// The resolution text documents lay out at when no device is set: the screen's.
double documentDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

double twipsToDocument(int twips) {
    return twips * documentDpi() / kTwipsPerInch;
}

QTextCharFormat charFormat(const TextRun& run) {
    QTextCharFormat f;
    f.setFontFamilies({QString::fromUtf8(kPrintFace)});
    f.setFontStyleHint(QFont::TypeWriter);
    f.setFontFixedPitch(true);
    f.setFontPointSize(run.points);
    f.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    return f;
}

// Keeps the printer's full-page setting of other jobs.
class FullPage {
public:
    explicit FullPage(QPrinter& printer) : printer_(printer), was_(printer.fullPage()) {
        printer_.setFullPage(true);
    }
    ~FullPage() { printer_.setFullPage(was_); }
    FullPage(const FullPage&) = delete;
    FullPage& operator=(const FullPage&) = delete;

private:
    QPrinter& printer_;
    bool was_;
};

} // namespace

void insertRichDocument(QTextCursor& cursor, const RichDocument& doc) {
    bool first = true;
    for (const Paragraph& p : doc) {
        QTextBlockFormat block;
        block.setLeftMargin(twipsToDocument(p.indent));
        const QTextCharFormat lead = p.runs.empty() ? charFormat(TextRun{}) : charFormat(p.runs.front());
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block, lead);
        cursor.setBlockCharFormat(lead);
        first = false;
        for (const TextRun& run : p.runs)
            cursor.insertText(QString::fromStdString(run.text), charFormat(run));
    }
}

double sheetWidthInDocumentUnits(const QPrinter& printer) {
    // A page size is given in portrait.
    return printer.pageLayout().pageSize().rect(QPageSize::Inch).width() * documentDpi();
}

void printDocument(const QTextDocument& source, QPrinter& printer, const SheetMargins& margins) {
    std::unique_ptr<QTextDocument> doc(source.clone());
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setMargin(0);
    frame.setPadding(0);
    doc->rootFrame()->setFrameFormat(frame);

    // The listing and the log are laid out for portrait, whatever the printout before left.
    printer.setPageOrientation(QPageLayout::Portrait);
    FullPage fullPage(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        throw ServerError(kPrinterError, "Printer", "Printer error: the printer cannot start a job.",
                          ErrorKind::Io);

    // The document is laid out on the printer itself, in its pixels, so that the text measures
    // as it prints (a screen's whole-pixel font sizes would widen it); its indents scale along.
    doc->documentLayout()->setPaintDevice(&printer);
    const QRectF sheet = printer.paperRect(QPrinter::DevicePixel);
    const double left = margins.left * printer.logicalDpiX() / kTwipsPerInch;
    const double top = margins.top * printer.logicalDpiY() / kTwipsPerInch;
    const double right = margins.right * printer.logicalDpiX() / kTwipsPerInch;
    const double bottom = margins.bottom * printer.logicalDpiY() / kTwipsPerInch;
    const QSizeF body(sheet.width() - left - right, sheet.height() - top - bottom);
    doc->setPageSize(body);

    const int pages = doc->pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer.newPage();
        painter.save();
        painter.translate(left, top);
        const QRectF view(0, page * body.height(), body.width(), body.height());
        painter.translate(0, -view.top());
        doc->drawContents(&painter, view);
        painter.restore();
    }
    painter.end();
}

} // namespace qel::printing
