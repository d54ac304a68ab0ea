#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Amounts as the bank keeps them: whole paise. Requests and statements write rupees as text.
namespace kassio::sandbox {

// "250", "250.5" or "250.50": digits with at most two decimals, nothing else. None for any
// other text, and for amounts of ten million rupees or more.
std::optional<std::int64_t> paiseFromRupees(std::string_view text);
// A whole number of paise written in decimal digits ("25000"), below the same bound.
std::optional<std::int64_t> paiseFromText(std::string_view text);
// "250.50"
std::string rupeesText(std::int64_t paise);
double rupeesValue(std::int64_t paise);

}  // namespace kassio::sandbox
