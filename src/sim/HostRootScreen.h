#pragma once

#include "kassio/platform/ui/Elements.h"
#include "kassio/platform/ui/Screen.h"

namespace kassio::sim {

// The host application's own first screen, at the root of its navigation stack until a module
// screen replaces it.
class HostRootScreen final : public platform::Screen {
  KASSIO_SCREEN(HostRootScreen)
 public:
  KASSIO_OUTLET(platform::Label, titleLabel);

 protected:
  void loadView() override {
    Screen::loadView();
    add(titleLabel, platform::makeLabel({.font = platform::Font{"Inter-SemiBold", 20}, .box = {.origin = {16, 60}}}));
  }
  void update() override { titleLabel->setText("Merchant app"); }
};

}  // namespace kassio::sim
