#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "kassio/platform/ui/ActionTarget.h"
#include "kassio/platform/ui/Color.h"
#include "kassio/platform/ui/Geometry.h"

namespace kassio::platform {

class OutletRegistry;
class Screen;
class Window;

// Corners that a corner radius applies to.
enum CornerMask : unsigned {
  minXMinYCorner = 1,
  maxXMinYCorner = 2,
  minXMaxYCorner = 4,
  maxXMaxYCorner = 8,
  allCorners = 15,
};

struct Shadow {
  std::optional<Color> color;
  double opacity = 0;
  double radius = 0;
  Size offset;
  bool operator==(const Shadow&) const = default;
};

// An element of the headless view tree. Properties are plain data a renderer or a test reads.
class View : public std::enable_shared_from_this<View> {
 public:
  View() = default;
  View(const View&) = delete;
  View& operator=(const View&) = delete;
  virtual ~View() = default;

  // The element kind a dump reports ("view", "label", "button", ...).
  virtual std::string kind() const { return "view"; }

  std::string name;  // outlet name, or empty
  bool hidden = false;
  double alpha = 1;
  std::optional<Color> backgroundColor;
  double cornerRadius = 0;
  unsigned maskedCorners = allCorners;
  std::optional<Color> borderColor;
  double borderWidth = 0;
  Shadow shadow;
  bool clipsToBounds = false;
  bool userInteractionEnabled = true;
  int tag = 0;
  Rect frame;
  std::optional<Color> tintColor;

  Rect bounds() const { return {{0, 0}, frame.size}; }

  void addSubview(std::shared_ptr<View> child);
  void insertSubview(std::shared_ptr<View> child, std::size_t index);
  void removeFromSuperview();
  void removeAllSubviews();
  const std::vector<std::shared_ptr<View>>& subviews() const { return subviews_; }
  View* superview() const { return superview_; }
  bool isDescendant(const View& ancestor) const;
  // Hidden itself or through an ancestor.
  bool isHiddenInTree() const;
  // Accepts touches: neither it nor an ancestor is hidden or refuses interaction.
  bool acceptsTouches() const;
  // The window showing this view's tree, found through the tree: the screen whose root view is
  // at the top of it, and that screen's chain up to the window's root screen. Null when the
  // view is not in a shown screen's tree.
  std::shared_ptr<Window> window() const;

  // The first descendant (depth-first, itself included) with this outlet name.
  std::shared_ptr<View> findByName(const std::string& outletName);

  // Tap gestures: a tap on the view runs these, in order.
  void addTapAction(std::function<void(View&)> action);
  void addTapTarget(std::weak_ptr<ActionTarget> target, std::string selector);
  bool hasTapActions() const { return !tapActions_.empty(); }
  // A person's tap: gesture actions for a plain view; controls override it.
  virtual void tap();

  // Outlets of a compound element (a view with named parts of its own), or null.
  virtual OutletRegistry* outlets() { return nullptr; }

  // Properties for a dump: every element has the common ones, subclasses add theirs.
  virtual void describe(nlohmann::ordered_json& out) const;
  // Texts a person can see on this element itself (not its subviews).
  virtual void ownTexts(std::vector<std::string>& out) const { (void)out; }
  // Texts of the element and its visible subtree, in tree order.
  void visibleTexts(std::vector<std::string>& out) const;

 private:
  std::vector<std::shared_ptr<View>> subviews_;
  View* superview_ = nullptr;
  friend class Screen;
  Screen* owningScreen_ = nullptr;  // set on a screen's root view, cleared when the screen ends
  std::vector<std::function<void(View&)>> tapActions_;
};

// Dumps a colour as "#RRGGBB", or null.
nlohmann::ordered_json colorJson(const std::optional<Color>& color);

}  // namespace kassio::platform
