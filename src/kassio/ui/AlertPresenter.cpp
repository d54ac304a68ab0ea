#include "kassio/ui/AlertPresenter.h"

#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/ui/Window.h"
#include "kassio/ui/VedavUzAlertViewControllerViewController.h"

namespace kassio {

namespace {

struct AlertStyle {
  const char* backColor;
  const char* icon;
  const char* titleColor;
};
constexpr AlertStyle kWarning{"#FEF8E6", "alertIconNew", "#F99F35"};
constexpr AlertStyle kError{"#FDEFED", "imgRedAlert", "#E22853"};

}  // namespace

void showAlert(const std::optional<std::string>& title, const std::optional<std::string>& description,
               bool warning, std::shared_ptr<platform::Screen> presenter, std::function<void()> closeAction) {
  if (title && title->empty() && description && description->empty()) return;
  const AlertStyle& style = warning ? kWarning : kError;
  auto dialog = VedavUzAlertViewControllerViewController::make({.backColor = style.backColor,
                                                                .iconImage = style.icon,
                                                                .titleColor = style.titleColor,
                                                                .titleData = title.value_or(""),
                                                                .descData = description.value_or("")});
  dialog->modalPresentationStyle = platform::ModalPresentationStyle::overCurrentContext;
  dialog->completionClose = std::move(closeAction);
  if (!presenter) {
    auto window = platform::Platform::current().window;
    if (!window) return;
    presenter = window->topMostScreen();
  }
  // A presenter that already shows something passes the dialog up its chain, so no message is lost.
  while (presenter && presenter->presentedScreen()) presenter = presenter->presentedScreen();
  if (presenter) presenter->present(dialog, true);
}

}  // namespace kassio
