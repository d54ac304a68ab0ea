#pragma once

#include "kassio/platform/ui/Label.h"
#include "kassio/platform/ui/Screen.h"

namespace kassio::sim {

// The host application's own first screen, at the root of its navigation stack until a module
// screen replaces it.
class HostRootScreen : public platform::Screen {
 public:
  std::string className() const override { return "HostRootScreen"; }

 protected:
  void viewDidLoad() override {
    auto title = addOutlet("titleLabel", std::make_shared<platform::Label>());
    title->setText("Merchant app");
  }
};

}  // namespace kassio::sim
