#pragma once

#include <functional>
#include <string>
#include <vector>

#include "kassio/platform/ui/Screen.h"

namespace kassio::platform {

enum class AlertActionStyle { defaultStyle, cancel, destructive };
enum class AlertControllerStyle { alert, actionSheet };

struct AlertAction {
  std::string title;
  AlertActionStyle style = AlertActionStyle::defaultStyle;
  std::function<void()> handler;
};

// The platform's own alert with actions (as opposed to the module's dialog).
class AlertController : public Screen {
 public:
  AlertController(std::string title, std::string message, AlertControllerStyle style = AlertControllerStyle::alert);
  std::string className() const override { return "UIAlertController"; }

  void addAction(AlertAction action) { actions_.push_back(std::move(action)); }
  const std::vector<AlertAction>& actions() const { return actions_; }
  const std::string& title() const { return title_; }
  const std::string& message() const { return message_; }
  AlertControllerStyle preferredStyle() const { return style_; }

  // A person's tap on the action with that title: the alert goes away, then its handler runs.
  bool tapAction(const std::string& title);

 private:
  std::string title_;
  std::string message_;
  AlertControllerStyle style_;
  std::vector<AlertAction> actions_;
};

}  // namespace kassio::platform
