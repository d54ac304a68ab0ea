#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "kassio/platform/ui/ActionBinding.h"
#include "kassio/platform/ui/ActionTarget.h"
#include "kassio/platform/ui/Control.h"
#include "kassio/platform/ui/OutletRegistry.h"
#include "kassio/platform/ui/ScreenFields.h"
#include "kassio/platform/ui/View.h"

namespace kassio::platform {

class NavigationController;
class Window;

enum class ModalPresentationStyle { fullScreen, overFullScreen, overCurrentContext, pageSheet, automatic };

// A screen (view controller): owns its element tree, its outlets and its actions by name.
// Screens live in std::shared_ptr; the navigation machinery calls the lifecycle.
//
// A module screen is declared with KASSIO_SCREEN and reads top to bottom:
//   - `Inputs`, one struct the factory takes with designated initialisers (`make({.x = 1})`);
//   - typed outlets (KASSIO_OUTLET), placed and connected once in loadView();
//   - actions written once: `onTap(*btnDone, KASSIO_ACTION(btnDoneTapped))`;
//   - update(), the one writer of element properties from state, run after viewDidLoad() and
//     called again by whatever changes the state;
//   - dump fields from the `Inputs::jsonFields` and `stateFields` tables.
// See docs/screen-kit.md for worked examples.
class Screen : public ActionTarget, public std::enable_shared_from_this<Screen> {
 public:
  Screen() = default;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;
  ~Screen() override;

  virtual std::string className() const { return "Screen"; }

  // The root view, loaded on first use: loadView(), then viewDidLoad().
  const std::shared_ptr<View>& view();
  bool isViewLoaded() const { return view_ != nullptr; }
  void loadViewIfNeeded() { view(); }

  OutletRegistry& outlets() { return outlets_; }
  template <class T>
  std::shared_ptr<T> outlet(const std::string& name) const {
    return outlets_.get<T>(name);
  }
  // An element by outlet name, or by a path through compound elements ("txtMobile.textFIeld").
  std::shared_ptr<View> element(const std::string& path) const;

  // Actions by selector name; "closeButtonTapped:" and "closeButtonTapped" name the same one.
  void registerAction(const std::string& selector, std::function<void(View* sender)> action);
  bool performAction(const std::string& selector, View* sender) override;
  bool hasAction(const std::string& selector) const;
  std::vector<std::string> actionNames() const;

  // Plain state fields for a dump (KASSIO_SCREEN builds it from the screen's field tables).
  virtual nlohmann::ordered_json fields() const { return nlohmann::ordered_json::object(); }

  // Presentation. A child screen presents through the screen that contains it.
  ModalPresentationStyle modalPresentationStyle = ModalPresentationStyle::fullScreen;
  // Returns false (and drops the completion) when this screen already presents another, or when
  // `screen` is presented already, is a child, or is this screen or one presenting it.
  bool present(std::shared_ptr<Screen> screen, bool animated, std::function<void()> completion = {});
  // Dismisses what this screen presents, or else this screen (or its container) itself; the
  // completion runs on the main loop after the transition.
  void dismiss(bool animated, std::function<void()> completion = {});
  std::shared_ptr<Screen> presentedScreen() const;
  Screen* presentingScreen() const;

  // Navigation: the enclosing navigation controller, or null. show() pushes on it, else presents.
  NavigationController* navigationController() const;
  void show(std::shared_ptr<Screen> screen);
  void showDetail(std::shared_ptr<Screen> screen);

  // Child screens pinned into a container view of this screen.
  void addChild(std::shared_ptr<Screen> child, const std::shared_ptr<View>& container);
  void removeFromParent();
  const std::vector<std::shared_ptr<Screen>>& children() const { return children_; }
  Screen* parent() const { return parent_; }
  // The view the child was pinned into, or null.
  View* container() const { return container_.lock().get(); }

  // The window this screen is shown in: through its container, navigation stack or presenter
  // up to the window's root screen. Null when it is not in a window.
  std::shared_ptr<Window> window() const;

  // On screen: appeared and not yet disappearing.
  bool isVisible() const { return appearance_ == Appearance::appeared; }

  // Appearance transitions, driven by presentation, navigation and the window; they propagate
  // to the child screens shown inside.
  void beginAppearance(bool appearing, bool animated);
  void endAppearance();

 protected:
  // Builds the structure: elements, styles, outlets, actions. Nothing read from state.
  virtual void loadView();
  virtual void viewDidLoad() {}
  // Writes element properties from state; the kit runs it once after viewDidLoad().
  virtual void update() {}
  virtual void viewWillAppear(bool animated) { (void)animated; }
  virtual void viewDidAppear(bool animated) { (void)animated; }
  virtual void viewWillDisappear(bool animated) { (void)animated; }
  virtual void viewDidDisappear(bool animated) { (void)animated; }
  // Screens whose appearance follows this one's (children; a navigation stack's top).
  virtual std::vector<std::shared_ptr<Screen>> appearanceChildren() const { return children_; }

  // Places an element in `parent` (the root view when not given) and connects the outlet to it.
  template <class T, class E = T>
  E& add(Outlet<T>& outlet, View& parent, std::shared_ptr<E> element = std::make_shared<E>()) {
    return outlets_.place(outlet, parent, std::move(element));
  }
  template <class T, class E = T>
  E& add(Outlet<T>& outlet, std::shared_ptr<E> element = std::make_shared<E>()) {
    return outlets_.place(outlet, *view(), std::move(element));
  }
  LayoutConstraint& add(Outlet<LayoutConstraint>& outlet, double constant) {
    return outlets_.place(outlet, std::make_shared<LayoutConstraint>(constant));
  }

  // Registers an action by its selector and sends it on a tap of `element` (a control's
  // touch-up-inside, a plain view's tap gesture).
  template <class S>
  void onTap(View& element, const ActionBinding<S>& action) {
    registerAction(action);
    if (auto* control = dynamic_cast<Control*>(&element)) {
      control->addTarget(weak_from_this(), std::string(action.selector), ControlEvent::touchUpInside);
    } else {
      element.addTapTarget(weak_from_this(), std::string(action.selector));
    }
  }
  // Registers an action and sends it for a control event (editing changed, value changed, ...).
  template <class S>
  void on(Control& control, ControlEvent event, const ActionBinding<S>& action) {
    registerAction(action);
    control.addTarget(weak_from_this(), std::string(action.selector), event);
  }
  // Registers an action that only a host or the driver sends, by name.
  template <class S>
  void registerAction(const ActionBinding<S>& action) {
    registerAction(std::string(action.selector), [this, run = action.run](View* sender) {
      run(static_cast<S&>(*this), sender);
    });
  }
  void setView(std::shared_ptr<View> view) { view_ = std::move(view); }
  Screen* presentationHost();

  friend class NavigationController;
  friend class Window;
  Screen* parent_ = nullptr;

 private:
  enum class Appearance { disappeared, appearing, appeared, disappearing };

  bool isOnScreen() const { return appearance_ == Appearance::appeared || appearance_ == Appearance::appearing; }
  // Takes down the screen this one presents and those above it; this one comes back on screen
  // only when `presenterReturns` (not for the screens in between). Returns whether the dismissed
  // screen, or one above it, was shown.
  bool dismissPresented(bool animated, bool presenterReturns, std::function<void()> completion);

  std::shared_ptr<View> view_;
  std::weak_ptr<Window> window_;  // set on the window's root screen only
  OutletRegistry outlets_;
  std::map<std::string, std::function<void(View*)>> actions_;
  std::vector<std::shared_ptr<Screen>> children_;
  std::weak_ptr<View> container_;
  std::shared_ptr<Screen> presented_;
  Screen* presenting_ = nullptr;
  Appearance appearance_ = Appearance::disappeared;
  bool appearanceAnimated_ = false;
};

// A screen built from its inputs: the factory a screen's `make(Inputs)` forwards to.
template <class S>
std::shared_ptr<S> makeScreen(typename S::Inputs inputs) {
  auto screen = std::make_shared<S>();
  screen->inputs = std::move(inputs);
  return screen;
}

}  // namespace kassio::platform

// Declares a module screen: its class name for hosts and dumps from the one token, `Self` for
// KASSIO_ACTION, and dump fields from its field tables.
#define KASSIO_SCREEN(Class)                                                                  \
 public:                                                                                      \
  using Self = Class;                                                                         \
  std::string className() const override { return #Class; }                                   \
  nlohmann::ordered_json fields() const override { return ::kassio::platform::screenDumpFields(*this); } \
                                                                                              \
 private:
