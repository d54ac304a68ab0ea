#include "kassio/platform/ui/AlertController.h"

namespace kassio::platform {

AlertController::AlertController(std::string title, std::string message, AlertControllerStyle style)
    : title_(std::move(title)), message_(std::move(message)), style_(style) {
  modalPresentationStyle = ModalPresentationStyle::overFullScreen;
}

bool AlertController::tapAction(const std::string& title) {
  for (const auto& action : actions_) {
    if (action.title != title) continue;
    auto handler = action.handler;
    dismiss(true, [handler] {
      if (handler) handler();
    });
    return true;
  }
  return false;
}

}  // namespace kassio::platform
