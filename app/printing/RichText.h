// The rich-text side of printing: a RichDocument written into a Qt text document, and a text
// document printed in pages with fixed margins from the edges of the sheet.
#pragma once

#include "app/printing/rules/RichDocument.h"

class QPrinter;
class QTextCursor;
class QTextDocument;

namespace qel::printing {

// Margins from the edges of the sheet, in twips.
struct SheetMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Inserts the document's paragraphs at the cursor, each as one block with its indent and its
// runs in the fixed face; the first fills the cursor's (empty) block.
void insertRichDocument(QTextCursor& cursor, const RichDocument& doc);

// The width of the printer's sheet in portrait, in the units of a text document on the screen,
// so that a text view lays its lines out as they will print.
double sheetWidthInDocumentUnits(const QPrinter& printer);

// Prints the whole document in portrait pages within the margins; an empty document prints one
// empty page. Throws ServerError (kPrinterError) when the printer cannot start the job.
void printDocument(const QTextDocument& doc, QPrinter& printer, const SheetMargins& margins);

} // namespace qel::printing
