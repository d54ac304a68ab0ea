#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kassio/entry/KassioState.h"
#include "kassio/ui/VedavUzAlertViewControllerViewController.h"
#include "platform/ui/UiTestSupport.h"

namespace kassio {

using Dialog = VedavUzAlertViewControllerViewController;

// A window with a root screen on the test host (a fresh module state: no theme).
class AlertTest : public platform::UiPlatformTest {
 protected:
  void SetUp() override {
    root = std::make_shared<platform::Screen>();
    window->setRootScreen(root);
  }

  // The dialog at the top of the window, or null when the top is something else.
  std::shared_ptr<Dialog> topDialog() const { return std::dynamic_pointer_cast<Dialog>(window->topMostScreen()); }

  template <class T>
  static std::shared_ptr<T> part(Dialog& dialog, const std::string& name) {
    auto found = dialog.outlet<T>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  // What a person sees on the dialog, in tree order.
  static std::vector<std::string> visibleTexts(Dialog& dialog) {
    std::vector<std::string> texts;
    dialog.view()->visibleTexts(texts);
    return texts;
  }

  std::shared_ptr<platform::Screen> root;
};

}  // namespace kassio
