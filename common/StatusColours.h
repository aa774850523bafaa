// The status line's colours as the program hands them to the status line: a colour number
// (red in the lowest byte, then green, then blue) written as text. Kept apart from any widget so
// that the rules behind the forms name the same colours.
#pragma once

#include <string_view>

namespace qel {

inline constexpr std::string_view kStatusRed = "255";
inline constexpr std::string_view kStatusGreen = "32768";
inline constexpr std::string_view kStatusBlue = "16711680";

} // namespace qel
