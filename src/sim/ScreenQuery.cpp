#include "sim/ScreenQuery.h"

#include "kassio/platform/ui/AlertController.h"
#include "kassio/platform/ui/Button.h"
#include "kassio/platform/ui/ImageView.h"
#include "kassio/platform/ui/Label.h"
#include "kassio/platform/ui/ListView.h"
#include "kassio/ui/VedavUzAlertViewControllerViewController.h"

namespace kassio::sim {

using namespace platform;

namespace {

// The screen a container shows: a navigation stack shows its top.
std::shared_ptr<Screen> shownContent(std::shared_ptr<Screen> screen) {
  while (auto* stack = dynamic_cast<NavigationController*>(screen.get())) {
    auto top = stack->topViewController();
    if (!top) break;
    screen = top;
  }
  return screen;
}

// Shown screens in the order they cover each other: containers before their content, a
// presenter before what it presents.
void collectShown(const std::shared_ptr<Screen>& screen, std::vector<std::shared_ptr<Screen>>& out) {
  if (!screen) return;
  out.push_back(screen);
  if (auto* stack = dynamic_cast<NavigationController*>(screen.get())) collectShown(stack->topViewController(), out);
  for (const auto& child : screen->children()) collectShown(child, out);
  if (screen->parent() == nullptr) collectShown(screen->presentedScreen(), out);
}

std::string containerName(const Screen& child) {
  auto* container = child.container();
  return container ? container->name : std::string{};
}

}  // namespace

std::shared_ptr<Screen> ScreenQuery::topScreen() const { return shownContent(window_.topMostScreen()); }

std::shared_ptr<Screen> ScreenQuery::shownScreen(const std::string& className) const {
  std::vector<std::shared_ptr<Screen>> shown;
  collectShown(window_.rootScreen(), shown);
  for (auto it = shown.rbegin(); it != shown.rend(); ++it)
    if ((*it)->className() == className) return *it;
  return nullptr;
}

std::shared_ptr<Screen> ScreenQuery::screenFor(ArgumentReader& command, std::string& error) const {
  if (command.present("screen")) {
    auto name = command.requiredText("screen");
    if (!name) return nullptr;
    auto screen = shownScreen(*name);
    if (!screen) error = "no shown screen of class " + *name;
    return screen;
  }
  auto screen = topScreen();
  if (!screen) error = "no screen is shown";
  return screen;
}

std::shared_ptr<View> ScreenQuery::target(const Screen& screen, ArgumentReader& command, std::string& error,
                                          const char* member) {
  const std::string path = command.text(member);
  if (command.present("in")) {
    const auto list = command.requiredText("in");
    const auto row = command.integer("row", 0);
    if (!command.ok()) return nullptr;
    auto listView = std::dynamic_pointer_cast<ListView>(screen.element(*list));
    if (!listView) {
      error = "no list " + *list;
      return nullptr;
    }
    if (static_cast<std::uint64_t>(row) >= listView->rows().size()) {
      error = "no row " + std::to_string(row) + " in " + *list;
      return nullptr;
    }
    auto cell = listView->rows()[static_cast<std::size_t>(row)];
    if (path.empty()) return cell;
    std::shared_ptr<View> found;
    if (auto* outlets = cell->outlets()) found = outlets->view(path);
    if (!found) found = cell->findByName(path);
    if (!found) error = "no element " + path + " in row " + std::to_string(row);
    return found;
  }
  if (!command.ok()) return nullptr;
  if (path.empty()) {
    error = "target missing";
    return nullptr;
  }
  auto found = screen.element(path);
  if (!found) error = "no element " + path + " on " + screen.className();
  return found;
}

std::shared_ptr<View> ScreenQuery::targetFor(ArgumentReader& command, std::string& error) const {
  auto screen = screenFor(command, error);
  return screen ? target(*screen, command, error) : nullptr;
}

ScreenQuery::Json ScreenQuery::dump(Screen& screen) {
  Json out = Json::object();
  out["class"] = screen.className();
  std::vector<std::string> texts;
  screen.view()->visibleTexts(texts);
  out["texts"] = texts;
  out["fields"] = screen.fields();
  out["elements"] = screen.outlets().describe();
  Json children = Json::array();
  for (const auto& child : screen.children()) {
    Json item = dump(*child);
    item["container"] = containerName(*child);
    children.push_back(item);
  }
  out["children"] = children;
  return out;
}

ScreenQuery::Json ScreenQuery::navigation(const NavigationController& hostStack) const {
  Json stack = Json::array();
  for (const auto& screen : hostStack.viewControllers()) stack.push_back(screen->className());
  Json presented = Json::array();
  for (auto screen = window_.rootScreen() ? window_.rootScreen()->presentedScreen() : nullptr; screen;
       screen = screen->presentedScreen())
    presented.push_back(shownContent(screen)->className());
  auto top = topScreen();
  return {{"stack", stack}, {"presented", presented}, {"top", top ? Json(top->className()) : Json(nullptr)}};
}

ScreenQuery::Json ScreenQuery::alert() const {
  auto top = window_.topMostScreen();
  if (auto* dialog = dynamic_cast<VedavUzAlertViewControllerViewController*>(top.get())) {
    const auto& icon = *dialog->titleImageView;
    return {{"kind", "dialog"},
            {"title", dialog->inputs.titleData},
            {"description", dialog->inputs.descData},
            {"backColor", colorJson(dialog->containerView->backgroundColor)},
            {"icon", imageJson(icon.image)},
            {"iconTint", colorJson(icon.isTemplate() ? icon.tintColor : std::nullopt)},
            {"titleColor", colorJson(dialog->titleLabel->textColor)}};
  }
  if (auto* platformAlert = dynamic_cast<AlertController*>(top.get())) {
    Json actions = Json::array();
    for (const auto& action : platformAlert->actions()) actions.push_back(action.title);
    return {{"kind", "platform"},
            {"title", platformAlert->title()},
            {"message", platformAlert->message()},
            {"actions", actions}};
  }
  return nullptr;
}

}  // namespace kassio::sim
