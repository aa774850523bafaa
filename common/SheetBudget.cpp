// The limits of a sheet, counted as its cells are read.
#include "common/WorkbookSource.h"

#include <string>
#include <variant>

namespace qel {
namespace {

// 2097152 -> "2,097,152".
std::string grouped(std::size_t number) {
    std::string digits = std::to_string(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, 1, ',');
    return digits;
}

} // namespace

void SheetBudget::cell(std::size_t textBytes) {
    if (++cells_ > maxCells_)
        throw SheetTooLarge("it holds more than " + grouped(maxCells_) +
                            " cells, more than the program reads from a sheet; the file may be damaged.");
    textBytes_ += textBytes;
    if (textBytes_ > kMaxSheetTextBytes)
        throw SheetTooLarge(
            "its cells hold more than " + std::to_string(kMaxSheetTextBytes >> 20) +
            " MB of text, more than the program reads from a sheet; the file may be damaged.");
}

void SheetBudget::row(const SheetRow& row) {
    for (const Variant& v : row.cells)
        if (!v.isNull())
            cell(v.isText() ? std::get<std::string>(v.storage()).size() : 0);
    for (const CellFlaw& flaw : row.flaws)
        cell(flaw.text.size());
}

} // namespace qel
