#pragma once

#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "kassio/platform/ui/NavigationController.h"
#include "kassio/platform/ui/Screen.h"
#include "kassio/platform/ui/Window.h"
#include "sim/ArgumentReader.h"

namespace kassio::sim {

// Finds screens and elements in the window the way a person sees them, and describes them.
class ScreenQuery {
 public:
  using Json = nlohmann::ordered_json;

  explicit ScreenQuery(const platform::Window& window) : window_(window) {}

  // The end of the presentation chain, else the top of the navigation stack.
  std::shared_ptr<platform::Screen> topScreen() const;
  // The top-most shown screen of that class, child screens included; null when none.
  std::shared_ptr<platform::Screen> shownScreen(const std::string& className) const;
  // The screen a command names with "screen", else the top screen; null with an error (a member
  // of the wrong type is reported by the reader).
  std::shared_ptr<platform::Screen> screenFor(ArgumentReader& command, std::string& error) const;

  // The element a command targets: an outlet path under `member`, or with "in" and "row" an
  // element of a list row (the row itself when the path is absent).
  static std::shared_ptr<platform::View> target(const platform::Screen& screen, ArgumentReader& command,
                                                std::string& error, const char* member = "target");
  // The target of a command on the screen it names (or the top screen).
  std::shared_ptr<platform::View> targetFor(ArgumentReader& command, std::string& error) const;

  static Json dump(platform::Screen& screen);
  Json navigation(const platform::NavigationController& hostStack) const;
  // The module's dialog or the platform alert on top, or null.
  Json alert() const;

 private:
  const platform::Window& window_;
};

}  // namespace kassio::sim
