#pragma once

#include <array>
#include <string_view>

namespace kassio {

// The roles a user can hold on a terminal, highest first; roles are compared lower-cased.
// "aus" (authorised signatory) is reported to the host as "owner".
inline constexpr std::array<std::string_view, 5> roleWords = {"owner", "aus", "manager1", "manager2", "cashier"};

}  // namespace kassio
