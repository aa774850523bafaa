// The rich-text window.
#include "app/printing/FrmRichText.h"

#include "app/printing/ProgramPrinter.h"
#include "app/printing/RichText.h"
#include "app/printing/rules/ShownFile.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FormTable.h"
#include "app/shell/UiServices.h"
#include "app/shell/WindowPosition.h"

#include <QMdiSubWindow>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace qel::printing {
namespace {

using K = ControlKind;

// The window's layout at its design size; resizing keeps the margins (resizeEvent).
constexpr double kMargin = 100;
constexpr double kButtonHeight = 315;
constexpr double kPrintWidth = 855;
constexpr double kExitWidth = 895;
// The text box leaves room below it for the buttons, and beside it for the margins; the buttons
// stand under its right end.
constexpr double kBelowBox = 750;
constexpr double kBesideBox = 230;
constexpr double kExitFromBoxRight = 890;
constexpr double kPrintFromExit = 1100;

// Margins of the printed text from the edges of the sheet, in twips.
constexpr SheetMargins kPrintMargins{1080, 1440, 1440, 504};

// Where the title is looked for to bring the listing's top into view.
constexpr int kTitleSearchEnd = 1000;

const FormDef& richTextForm() {
    static const FormDef form = {
        .name = "frmRichText",
        .caption = "Asset Listing",
        .size = {.width = FrmRichText::kDesignWidth, .height = FrmRichText::kDesignHeight},
        .controls =
            {
                {.name = "rtbReport",
                 .kind = K::RichTextBox,
                 .at = {kMargin, kMargin, FrmRichText::kDesignWidth - kBesideBox,
                        FrmRichText::kDesignHeight - kBelowBox},
                 .font = {"Courier New", 8.25},
                 .tabIndex = 0},
                {.name = "cmdPrint",
                 .kind = K::CommandButton,
                 .at = {7915, 4730, kPrintWidth, kButtonHeight},
                 .caption = "&Print",
                 .tabIndex = 1},
                {.name = "cmdExit",
                 .kind = K::CommandButton,
                 .at = {9015, 4730, kExitWidth, kButtonHeight},
                 .caption = "&Cancel",
                 .tabIndex = 2},
            },
    };
    return form;
}

} // namespace

FrmRichText::FrmRichText() {
    const FormControls controls = buildForm(*this, richTextForm());
    rtbReport = controls.get<QTextEdit>("rtbReport");
    cmdPrint = controls.get<QPushButton>("cmdPrint");
    cmdExit = controls.get<QPushButton>("cmdExit");
    rtbReport->setReadOnly(true);
    connect(cmdPrint, &QPushButton::clicked, this, &FrmRichText::cmdPrint_Click);
    // The window lives in a child window of the main window: closing that closes it.
    connect(cmdExit, &QPushButton::clicked, this, [this] {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->close();
        else
            close();
    });
}

void FrmRichText::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A window too small for the box keeps the box at its least size.
    const double width = std::max(pixelsToTwipsX(*this, this->width()) - kBesideBox, 0.0);
    const double height = std::max(pixelsToTwipsY(*this, this->height()) - kBelowBox, 0.0);
    setTwipsGeometry(*rtbReport, kMargin, kMargin, width, height);
    const double buttonsTop = kMargin + height + kMargin;
    const double exitLeft = kMargin + width - kExitFromBoxRight;
    setTwipsGeometry(*cmdExit, exitLeft, buttonsTop, kExitWidth, kButtonHeight);
    setTwipsGeometry(*cmdPrint, exitLeft - kPrintFromExit, buttonsTop, kPrintWidth, kButtonHeight);
}

void FrmRichText::showListing(const RichDocument& doc) {
    rtbReport->clear();
    rtbReport->setLineWrapMode(QTextEdit::FixedPixelWidth);
    rtbReport->setLineWrapColumnOrWidth(
        static_cast<int>(sheetWidthInDocumentUnits(programPrinter().printer)));
    QTextCursor cursor(rtbReport->document());
    insertRichDocument(cursor, doc);
    const QTextCursor title = rtbReport->document()->find(QStringLiteral("Asset Listing"));
    if (!title.isNull() && title.selectionEnd() <= kTitleSearchEnd)
        rtbReport->setTextCursor(title);
    rtbReport->ensureCursorVisible();
}

void FrmRichText::loadPlainText(const QString& path) {
    rtbReport->setPlainText(QString::fromStdString(readShownFile(path.toStdString()).text));
}

void FrmRichText::cmdPrint_Click() {
    runWithErrorBox(QStringLiteral("Error in cmdPrint_Click. "), [this] {
        QPrinter& printer = programPrinter().printer;
        printer.setPageOrientation(QPageLayout::Portrait);
        if (ui().printDialog(printer))
            printDocument(*rtbReport->document(), printer, kPrintMargins);
    });
}

} // namespace qel::printing
