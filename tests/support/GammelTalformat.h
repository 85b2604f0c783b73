// The number reader and the cell number format as they were before they were
// rebuilt on std::to_chars and fast_float: kept unchanged as the reference
// the new ones must agree with, character for character and bit for bit.
#pragma once

#include <string>
#include <string_view>

namespace plotvik::gammel {

using Reel = long double;

double TekstTilTal(std::string_view s, bool& fejl);
std::string FormaterTal(int positioner, int decimaler, Reel x);

}  // namespace plotvik::gammel
