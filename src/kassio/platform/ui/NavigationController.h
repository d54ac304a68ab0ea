#pragma once

#include "kassio/platform/ui/Screen.h"

namespace kassio::platform {

// A stack of screens; the top one is shown in its view.
class NavigationController : public Screen {
 public:
  explicit NavigationController(std::shared_ptr<Screen> root = nullptr);
  std::string className() const override { return "UINavigationController"; }

  void pushViewController(std::shared_ptr<Screen> screen, bool animated);
  std::shared_ptr<Screen> popViewController(bool animated);
  std::vector<std::shared_ptr<Screen>> popToRootViewController(bool animated);
  // Pops down to `screen` when it is on the stack; returns the popped screens.
  std::vector<std::shared_ptr<Screen>> popToViewController(const Screen& screen, bool animated);
  void setViewControllers(std::vector<std::shared_ptr<Screen>> screens, bool animated);

  const std::vector<std::shared_ptr<Screen>>& viewControllers() const { return stack_; }
  std::shared_ptr<Screen> topViewController() const { return stack_.empty() ? nullptr : stack_.back(); }

 protected:
  void loadView() override;
  std::vector<std::shared_ptr<Screen>> appearanceChildren() const override;

 private:
  // Shows the new top in place of the old one, with the appearance calls between them.
  void transition(const std::shared_ptr<Screen>& from, const std::shared_ptr<Screen>& to, bool animated);
  void adopt(const std::shared_ptr<Screen>& screen);

  std::vector<std::shared_ptr<Screen>> stack_;
};

}  // namespace kassio::platform
