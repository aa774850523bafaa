// The rows of one sheet as a stream of bytes: how the .xls reader program hands the sheet it
// read to the program. Internal to common/ and the reader program.
//
// A stream is a sequence of records, each a tag byte, a length (32 bits) and that many bytes;
// every number is little-endian:
//   'H'  the sheet: one byte, 1 when its dates count from 1904 (else 0), then its name (UTF-8)
//   'R'  a row: its number (32 bits, from 1), then its cells in ascending column order, each a
//        column (16 bits, from 1), a kind byte and the value:
//          'N' a number (a 64-bit IEEE double)      'T' a text (32-bit length, UTF-8)
//          'B' a Yes/No (one byte, 0 or 1)         'E' an error result (8-bit length, its text)
//          'U' a cell that cannot be read (16-bit length, why, UTF-8)
//   'F'  the workbook cannot be read: why (UTF-8)
//   'Z'  the end
// A complete stream is 'H', rows in ascending order, 'Z'; or 'F', alone or after 'H' and any
// rows (the reader sends rows on as it reads them, and may fail after some). Nothing follows 'Z'
// or 'F'.
//
// The program trusts nothing in a stream: the reader that wrote it may have been misled by the
// file it read. The decoder checks every length, order and limit and refuses what is off, as the
// bytes arrive: it keeps only the record it is in the middle of, and stops at the first record
// past the limits of a sheet (SheetBudget) however much more follows.
#pragma once

#include "common/Workbook.h"
#include "common/WorkbookSource.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

// Writes a stream into `out`, record by record; the caller sends `out` on as it grows.
class SheetStreamWriter {
public:
    explicit SheetStreamWriter(std::string& out) : out_(out) {}

    void header(const std::string& sheetName, bool date1904);
    // Writes the row's values (Null cells left out) and flaws, merged in column order.
    void row(const SheetRow& row);
    void failure(const std::string& cause);
    void end();

private:
    std::string& out_;
};

// A stream that breaks its rules; what() says which.
class SheetStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct DecodedSheet {
    std::string sheetName;
    bool date1904 = false;
    std::vector<SheetRow> rows;
    // The reader's cause when the stream ends in 'F'; empty otherwise.
    std::string failure;
};

// Decodes a stream piece by piece as it arrives. Rows and columns stay within an .xls worksheet,
// texts within kMaxCellText UTF-16 units and valid UTF-8, numbers finite, the sheet within its
// limits.
class SheetStreamDecoder {
public:
    // Decodes every record the bytes complete and keeps the rest of an incomplete one. Throws
    // SheetStreamError at the first fault, SheetTooLarge at the first cell past a limit; the
    // decoder is then of no further use.
    void feed(std::string_view bytes);
    // The sheet, once the stream has ended. Throws SheetStreamError when it ended early.
    DecodedSheet finish();

private:
    void record(char tag, std::string_view body);

    DecodedSheet sheet_;
    SheetBudget budget_;
    std::string pending_; // the start of a record whose end has not come yet
    bool started_ = false;
    bool ended_ = false;
};

// Decodes a complete stream at once, as SheetStreamDecoder does.
DecodedSheet decodeSheetStream(std::string_view bytes);

} // namespace qel
