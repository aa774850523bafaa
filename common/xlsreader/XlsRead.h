// The work of the xlsreader program: reads the first worksheet of an Excel 97-2003 workbook and
// writes it as a sheet stream (common/SheetStream.h).
//
// The cells come from libfreexl; the stored results of formulas and the Yes/No and error cells,
// which the library does not give, come from the workbook's own records (BiffCells.h). Run only
// in the separate program: the library reads out of bounds on some damaged files.
#pragma once

#include <stdexcept>
#include <string>

namespace qel::xls {

// A workbook that cannot be read; what() is the cause in the user's words.
class ReadFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Appends the stream of the workbook at `path` to `out`: the sheet and its rows ending in 'Z',
// or, when it cannot be read, only the failure record with the cause.
void readXls(const std::string& path, std::string& out);

} // namespace qel::xls
