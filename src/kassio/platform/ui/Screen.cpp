#include "kassio/platform/ui/Screen.h"

#include <sstream>

#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/RunLoop.h"
#include "kassio/platform/ui/NavigationController.h"

namespace kassio::platform {

namespace {

std::string bareSelector(const std::string& selector) {
  return !selector.empty() && selector.back() == ':' ? selector.substr(0, selector.size() - 1) : selector;
}

// Transition completions run on the main loop after the (instant) transition.
void afterTransition(std::function<void()> task) {
  if (auto loop = Platform::current().runLoop) {
    loop->async(std::move(task));
  } else {
    task();
  }
}

}  // namespace

Screen::~Screen() {
  if (view_ && view_->owningScreen_ == this) view_->owningScreen_ = nullptr;
}

const std::shared_ptr<View>& Screen::view() {
  if (!view_) {
    loadView();
    if (!view_) view_ = std::make_shared<View>();
    view_->owningScreen_ = this;
    viewDidLoad();
    update();
  }
  return view_;
}

void Screen::loadView() {
  view_ = std::make_shared<View>();
  view_->frame = {{0, 0}, {390, 844}};
  view_->backgroundColor = Color::white();
}

std::shared_ptr<View> Screen::element(const std::string& path) const {
  std::istringstream parts(path);
  std::string part;
  std::shared_ptr<View> current;
  const OutletRegistry* registry = &outlets_;
  while (std::getline(parts, part, '.')) {
    if (!registry) return nullptr;
    current = registry->view(part);
    if (!current) return nullptr;
    registry = current->outlets();
  }
  return current;
}

void Screen::registerAction(const std::string& selector, std::function<void(View*)> action) {
  actions_[bareSelector(selector)] = std::move(action);
}

bool Screen::performAction(const std::string& selector, View* sender) {
  auto found = actions_.find(bareSelector(selector));
  if (found == actions_.end()) return false;
  auto keep = shared_from_this();
  auto action = found->second;  // the action may replace itself
  action(sender);
  return true;
}

bool Screen::hasAction(const std::string& selector) const { return actions_.count(bareSelector(selector)) > 0; }

std::vector<std::string> Screen::actionNames() const {
  std::vector<std::string> names;
  for (const auto& [name, action] : actions_) names.push_back(name);
  return names;
}

Screen* Screen::presentationHost() {
  Screen* host = this;
  while (host->parent_) host = host->parent_;
  return host;
}

std::shared_ptr<Screen> Screen::presentedScreen() const {
  return const_cast<Screen*>(this)->presentationHost()->presented_;
}

Screen* Screen::presentingScreen() const { return const_cast<Screen*>(this)->presentationHost()->presenting_; }

bool Screen::present(std::shared_ptr<Screen> screen, bool animated, std::function<void()> completion) {
  Screen* host = presentationHost();
  if (!screen || host->presented_ || screen->presenting_ || screen->parent_) return false;
  // The host itself, or a screen it is presented by, would close the chain into a loop.
  for (Screen* below = host; below; below = below->presenting_)
    if (below == screen.get()) return false;
  auto keepHost = host->shared_from_this();
  host->presented_ = screen;
  screen->presenting_ = host;
  screen->loadViewIfNeeded();
  bool coversPresenter = screen->modalPresentationStyle == ModalPresentationStyle::fullScreen;
  // A host still coming on screen (its own presentation not finished) counts as shown.
  bool hostVisible = host->isOnScreen();
  if (coversPresenter && hostVisible) host->beginAppearance(false, animated);
  if (hostVisible) screen->beginAppearance(true, animated);
  afterTransition([keepHost, screen, coversPresenter, hostVisible, completion = std::move(completion)] {
    if (hostVisible) {
      screen->endAppearance();
      if (coversPresenter) keepHost->endAppearance();
    }
    if (completion) completion();
  });
  return true;
}

void Screen::dismiss(bool animated, std::function<void()> completion) {
  Screen* host = presentationHost();
  Screen* presenter = host->presented_ ? host : host->presenting_;
  if (!presenter) {
    if (completion) afterTransition(std::move(completion));
    return;
  }
  presenter->dismissPresented(animated, true, std::move(completion));
}

bool Screen::dismissPresented(bool animated, bool presenterReturns, std::function<void()> completion) {
  auto keepPresenter = shared_from_this();
  auto dismissed = presented_;
  bool wasShown = dismissed->isOnScreen();
  // Screens presented above the dismissed one go with it, and it does not come back on screen in
  // between. When one of them was shown, the dismissed one was shown too (they cover it).
  if (dismissed->presented_ && dismissed->dismissPresented(false, false, {})) wasShown = true;
  bool coveredPresenter = dismissed->modalPresentationStyle == ModalPresentationStyle::fullScreen;
  if (wasShown) dismissed->beginAppearance(false, animated);
  presented_.reset();
  dismissed->presenting_ = nullptr;
  presenterReturns = presenterReturns && wasShown && coveredPresenter;
  if (presenterReturns) beginAppearance(true, animated);
  afterTransition([keepPresenter, dismissed, wasShown, presenterReturns, completion = std::move(completion)] {
    if (wasShown) dismissed->endAppearance();
    if (presenterReturns) keepPresenter->endAppearance();
    if (completion) completion();
  });
  return wasShown;
}

std::shared_ptr<Window> Screen::window() const {
  for (const Screen* screen = this; screen; screen = screen->parent_ ? screen->parent_ : screen->presenting_)
    if (auto window = screen->window_.lock()) return window;
  return nullptr;
}

NavigationController* Screen::navigationController() const {
  for (Screen* screen = parent_; screen; screen = screen->parent_)
    if (auto* navigation = dynamic_cast<NavigationController*>(screen)) return navigation;
  return nullptr;
}

void Screen::show(std::shared_ptr<Screen> screen) {
  if (auto* navigation = navigationController()) {
    navigation->pushViewController(std::move(screen), true);
  } else {
    present(std::move(screen), true);
  }
}

void Screen::showDetail(std::shared_ptr<Screen> screen) { present(std::move(screen), true); }

void Screen::addChild(std::shared_ptr<Screen> child, const std::shared_ptr<View>& container) {
  if (!child || child.get() == this || child->parent_) return;
  child->parent_ = this;
  children_.push_back(child);
  auto childView = child->view();
  if (container) {
    childView->frame = container->bounds();
    container->addSubview(childView);
    child->container_ = container;
  }
  if (isVisible()) {
    child->beginAppearance(true, false);
    child->endAppearance();
  }
}

void Screen::removeFromParent() {
  if (!parent_) return;
  auto keep = shared_from_this();
  if (isVisible()) {
    beginAppearance(false, false);
    endAppearance();
  }
  if (isViewLoaded()) view_->removeFromSuperview();
  auto& siblings = parent_->children_;
  std::erase(siblings, keep);
  parent_ = nullptr;
  container_.reset();
}

void Screen::beginAppearance(bool appearing, bool animated) {
  auto keep = shared_from_this();
  if (appearing) {
    if (appearance_ == Appearance::appeared || appearance_ == Appearance::appearing) return;
    loadViewIfNeeded();
    appearance_ = Appearance::appearing;
    appearanceAnimated_ = animated;
    viewWillAppear(animated);
  } else {
    if (appearance_ == Appearance::disappeared || appearance_ == Appearance::disappearing) return;
    appearance_ = Appearance::disappearing;
    appearanceAnimated_ = animated;
    viewWillDisappear(animated);
  }
  for (auto& child : appearanceChildren()) child->beginAppearance(appearing, animated);
}

void Screen::endAppearance() {
  auto keep = shared_from_this();
  if (appearance_ == Appearance::appearing) {
    appearance_ = Appearance::appeared;
    viewDidAppear(appearanceAnimated_);
  } else if (appearance_ == Appearance::disappearing) {
    appearance_ = Appearance::disappeared;
    viewDidDisappear(appearanceAnimated_);
  } else {
    return;
  }
  for (auto& child : appearanceChildren()) child->endAppearance();
}

}  // namespace kassio::platform
