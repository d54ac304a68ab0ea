#pragma once

#include <optional>
#include <string_view>

namespace kassio::platform {

// Reads a number written the locale-independent way: an optional sign ("+" or "-"), digits with
// at most one decimal point, and an optional exponent ("e" or "E", optional sign, digits). The
// point may stand at either end (".5", "5.") as long as the number has a digit. Nothing else is
// a number: no blanks, no grouping, no currency sign, no "inf" or "nan", not the empty text.
// Magnitudes beyond the double range read as infinity, tiny ones as zero, as C's strtod does.
std::optional<double> readDecimal(std::string_view text);

}  // namespace kassio::platform
