#pragma once

#include <memory>

#include "kassio/platform/ui/Screen.h"
#include "kassio/platform/ui/TextField.h"

namespace kassio::platform {

// The application window: its root screen and the text field being edited.
class Window : public std::enable_shared_from_this<Window> {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  ~Window();

  void setRootScreen(std::shared_ptr<Screen> screen);
  const std::shared_ptr<Screen>& rootScreen() const { return root_; }
  // The end of the presentation chain that starts at the root screen, or null without a root.
  std::shared_ptr<Screen> topMostScreen() const;

  std::shared_ptr<TextField> firstResponder() const { return firstResponder_.lock(); }
  void setFirstResponder(const std::shared_ptr<TextField>& field) { firstResponder_ = field; }
  // Ends the editing in progress, if any.
  void endEditing();

 private:
  std::shared_ptr<Screen> root_;
  std::weak_ptr<TextField> firstResponder_;
};

}  // namespace kassio::platform
