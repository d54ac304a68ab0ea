#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "kassio/platform/ui/ActionTarget.h"
#include "kassio/platform/ui/OutletRegistry.h"
#include "kassio/platform/ui/View.h"

namespace kassio::platform {

class NavigationController;

enum class ModalPresentationStyle { fullScreen, overFullScreen, overCurrentContext, pageSheet, automatic };

// A screen (view controller): owns its element tree, its outlets and its actions by name.
// Screens live in std::shared_ptr; the navigation machinery calls the lifecycle.
class Screen : public ActionTarget, public std::enable_shared_from_this<Screen> {
 public:
  Screen() = default;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;
  ~Screen() override = default;

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

  // Plain state fields for a dump; screens with state override it.
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

  // On screen: appeared and not yet disappearing.
  bool isVisible() const { return appearance_ == Appearance::appeared; }

  // Appearance transitions, driven by presentation, navigation and the window; they propagate
  // to the child screens shown inside.
  void beginAppearance(bool appearing, bool animated);
  void endAppearance();

 protected:
  virtual void loadView();
  virtual void viewDidLoad() {}
  virtual void viewWillAppear(bool animated) { (void)animated; }
  virtual void viewDidAppear(bool animated) { (void)animated; }
  virtual void viewWillDisappear(bool animated) { (void)animated; }
  virtual void viewDidDisappear(bool animated) { (void)animated; }
  // Screens whose appearance follows this one's (children; a navigation stack's top).
  virtual std::vector<std::shared_ptr<Screen>> appearanceChildren() const { return children_; }

  // Adds `view` to `parent` (the root view when null) and connects it as an outlet.
  template <class T>
  std::shared_ptr<T> addOutlet(const std::string& outletName, std::shared_ptr<T> view, View* parent = nullptr) {
    (parent ? parent : this->view().get())->addSubview(view);
    outlets_.connect(outletName, view);
    return view;
  }
  void setView(std::shared_ptr<View> view) { view_ = std::move(view); }
  Screen* presentationHost();

  friend class NavigationController;
  Screen* parent_ = nullptr;

 private:
  enum class Appearance { disappeared, appearing, appeared, disappearing };

  bool isOnScreen() const { return appearance_ == Appearance::appeared || appearance_ == Appearance::appearing; }
  // Takes down the screen this one presents and those above it; this one comes back on screen
  // only when `presenterReturns` (not for the screens in between). Returns whether the dismissed
  // screen, or one above it, was shown.
  bool dismissPresented(bool animated, bool presenterReturns, std::function<void()> completion);

  std::shared_ptr<View> view_;
  OutletRegistry outlets_;
  std::map<std::string, std::function<void(View*)>> actions_;
  std::vector<std::shared_ptr<Screen>> children_;
  std::weak_ptr<View> container_;
  std::shared_ptr<Screen> presented_;
  Screen* presenting_ = nullptr;
  Appearance appearance_ = Appearance::disappeared;
  bool appearanceAnimated_ = false;
};

}  // namespace kassio::platform
