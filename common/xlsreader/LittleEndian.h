// Little-endian numbers read from bytes of a file of unknown origin: every read is checked
// against the bytes there are.
#pragma once

#include "common/xlsreader/CompoundFile.h"

#include <cstdint>
#include <string_view>

namespace qel::xls {

inline std::uint8_t u8(std::string_view bytes, std::size_t at) {
    if (at >= bytes.size())
        throw Malformed("a field lies beyond the record or structure that holds it");
    return static_cast<std::uint8_t>(bytes[at]);
}

inline std::uint16_t u16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(u8(bytes, at) | (u8(bytes, at + 1) << 8));
}

inline std::uint32_t u32(std::string_view bytes, std::size_t at) {
    return u16(bytes, at) | (std::uint32_t{u16(bytes, at + 2)} << 16);
}

} // namespace qel::xls
