#include "kassio/platform/ui/Window.h"

namespace kassio::platform {

Window::~Window() {
  if (root_) root_->window_.reset();
}

void Window::setRootScreen(std::shared_ptr<Screen> screen) {
  if (screen == root_) return;
  endEditing();
  if (root_) {
    root_->beginAppearance(false, false);
    root_->endAppearance();
    root_->window_.reset();
  }
  root_ = std::move(screen);
  if (root_) {
    root_->window_ = weak_from_this();
    root_->beginAppearance(true, false);
    root_->endAppearance();
  }
}

std::shared_ptr<Screen> Window::topMostScreen() const {
  auto screen = root_;
  while (screen && screen->presentedScreen()) screen = screen->presentedScreen();
  return screen;
}

void Window::endEditing() {
  if (auto field = firstResponder()) field->resignFirstResponder();
}

}  // namespace kassio::platform
