#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "kassio/platform/ui/Screen.h"

namespace kassio {

// Shows a message in the module's dialog: the warning style (orange on light yellow) or the
// error style (red on light red). Texts come localised. With both texts present and empty
// nothing is shown; an absent text shows as empty. Without a presenting screen the dialog goes
// over the top-most screen of the window; with no window or root screen it is dropped.
void showAlert(const std::optional<std::string>& title, const std::optional<std::string>& description,
               bool warning, std::shared_ptr<platform::Screen> presenter = nullptr,
               std::function<void()> closeAction = {});

}  // namespace kassio
