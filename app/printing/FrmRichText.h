// frmRichText: the rich-text window, one child window of the main window for the whole program,
// showing the asset listing or an import log in its box rtbReport, read-only, with "&Print"
// (the whole text in pages, within fixed margins) and "&Cancel" (closes the window and its
// text).
#pragma once

#include "app/printing/rules/RichDocument.h"

#include <QWidget>

class QPushButton;
class QTextEdit;

namespace qel::printing {

class FrmRichText : public QWidget {
    Q_OBJECT
public:
    // The key under which the main window's child windows keep it.
    static constexpr const char* kKey = "frmRichText";
    // The size of its client area as designed, in twips.
    static constexpr double kDesignWidth = 10035;
    static constexpr double kDesignHeight = 5280;

    FrmRichText();

    QTextEdit* rtbReport;
    QPushButton* cmdPrint;
    QPushButton* cmdExit;

    // Replaces the text with the document, laid out for the printer's full sheet width, and
    // brings the first "Asset Listing" title into view.
    void showListing(const RichDocument& doc);
    // Replaces the text with the file's, as plain text; of a file longer than 8 MB only its end,
    // under a line that says the start was left out (readShownFile). Throws ServerError (kind
    // Io) naming the file when it cannot be read or is no regular file (a named pipe is refused
    // unopened).
    void loadPlainText(const QString& path);

    // Prints the whole text after the print dialog, 0.75 inch from the left edge, 1 inch from the
    // top and the right and 0.35 inch from the bottom.
    void cmdPrint_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace qel::printing
