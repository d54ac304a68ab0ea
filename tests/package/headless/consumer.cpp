// Shows a dialog through the installed library's headers and checks it is on top.
#include <memory>

#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/VirtualRunLoop.h"
#include "kassio/platform/ui/Window.h"
#include "kassio/ui/AlertPresenter.h"

int main() {
  using namespace kassio::platform;
  auto& platform = Platform::current();
  platform.runLoop = std::make_shared<VirtualRunLoop>(Date{1'800'000'000});
  platform.window = std::make_shared<Window>();
  platform.window->setRootScreen(std::make_shared<Screen>());
  kassio::showAlert("Installed", "The library links", true);
  return platform.window->topMostScreen()->className() == "VedavUzAlertViewControllerViewController" ? 0 : 1;
}
