// The work of the xlsreader program: reads the first worksheet of an Excel 97-2003 workbook and
// writes it as a sheet stream (common/SheetStream.h).
//
// The cells come from libfreexl; the stored results of formulas and the Yes/No and error cells,
// which the library does not give, come from the workbook's own records (BiffCells.h). Run only
// in the separate program: the library reads out of bounds on some damaged files.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace qel::xls {

// A workbook that cannot be read; what() is the cause in the user's words.
class ReadFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Takes the stream gathered so far (all of `out`) and sends it on; `out` is emptied after.
using StreamSink = std::function<void(const std::string& out)>;

// Appends the stream of the workbook at `path` to `out`: the sheet and its rows ending in 'Z',
// or, when it cannot be read, the failure record with the cause. With a sink the stream is
// handed on as it grows, a chunk at a time, and a failure then follows the rows already sent;
// without one the whole stream is in `out`, and a failure is all of it. A sheet past the limits
// of one (kMaxSheetTextBytes, kMaxSheetCells) is such a failure, found at the first row beyond
// them.
void readXls(const std::string& path, std::string& out, const StreamSink& sink = {});

} // namespace qel::xls
