// Fuzz target: the .xls reader program's own reading of a workbook's records, the compound file
// first, then the BIFF records of the stream it holds (and of the input itself, so that damaged
// records are reached without a valid container). Every input is read or refused with
// Malformed.
#include "common/xlsreader/BiffCells.h"
#include "common/xlsreader/CompoundFile.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        if (const auto stream = qel::xls::compoundStream(bytes, {"Workbook", "Book"}))
            (void)qel::xls::biffCells(*stream);
    } catch (const qel::xls::Malformed&) {
    }
    try {
        (void)qel::xls::biffCells(bytes);
    } catch (const qel::xls::Malformed&) {
    }
    return 0;
}
