// Fuzz target: the program's decoder of the sheet stream that the .xls reader program writes.
// The program trusts nothing the reader writes: every input is decoded or refused with a
// SheetStreamError.
#include "common/SheetStream.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        (void)qel::decodeSheetStream(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const qel::SheetStreamError&) {
    }
    return 0;
}
