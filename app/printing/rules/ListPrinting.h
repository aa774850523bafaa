// A report list printed as a paged table: on every page a heading block (the date, "Page   "
// and the page number, the title centred, rules and the column captions), then one line per
// list row in the list's column order, widths and alignments, in the width tier the columns fit
// (ListTiers.h). The text printed is the cells' text; no bold or other mark of a row is read.
//
// Everything stays within the printable area of the tier's orientation: a table wider than the
// page is moved and narrowed to its width; a left-set cell or caption keeps to its column (a
// text is cut at the column's end, a label first loses its indent); a right-set one stays where
// its field puts it, an amount whole, and moves left only to end at the page's edge; the rule,
// the title and the page number end at the page's right edge; and a page holds fewer rows than
// its tier when its area is too short for them.
#pragma once

#include "app/printing/rules/ListTiers.h"
#include "app/printing/rules/PrintSurface.h"
#include "app/shell/FailureTrap.h"
#include "app/shell/ReportList.h"
#include "common/Date.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qel::printing {

inline const std::string kTooWide = "To Wide to Print";

// The widths of the list's columns, in twips.
std::vector<std::int32_t> columnWidths(const ReportList& list);

// A cell of a right-aligned column as printed: the text and 5 blanks right-set into 9
// characters when the column is narrower than 800 twips, else the text and 4 blanks into 14 (a
// text longer than its field is printed whole); a left-aligned cell: 3 blanks and the text.
std::string cellField(std::string_view text, const ReportColumn& column);
// A caption as printed: right-aligned, the caption and 2 blanks in 14 characters for a column
// of 800 twips or more, else the caption and 3 blanks in 9; left-aligned, 2 blanks and the
// caption.
std::string captionField(const ReportColumn& column);

// Prints the list, its rows in the order shown, in the tier (chooseListTier of its widths)
// under `title`, dated `today`, and ends the job. The job sets the tier's orientation. A page
// holds tier.rowsPerPage() rows (or as many as its area holds, at least one); a new page starts
// only when a row follows, so no page holds the heading alone but that of an empty list. A
// failing step shows "Error in PrintListView. " (or "Error in PrintHeadings. " within a heading)
// with the description, " Error Number: " and the number, and the printout goes on; a failure
// repeating the one before stops the list, or the heading, with "Can not complete operation.
// Exiting operation.".
void printList(PrintSurface& surface, const ShownList& list, const ListTier& tier, const std::string& title,
               const Date& today, const MessageSink& messages);

} // namespace qel::printing
