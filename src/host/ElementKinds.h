#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/LayoutBox.h"

namespace kassio::host {

class ElementLayout;
class PngRenderer;
class HtmlRenderer;

// How an element takes its place in a column.
enum class ElementSizing {
  fill,        // the width it is offered
  own,         // the width of its content, at the column's leading edge
  ownCentred,  // the width of its content, centred in the column
};

// The opening tag of an element in HTML: the renderer fills in the box, a row adds its own.
struct HtmlTag {
  std::string name = "div";
  std::string classes = "k";
  std::string style;       // CSS declarations, the box's own first
  std::string attributes;  // ` name="value"` pairs after the common ones
};

// How the layout, the PNG and the HTML renderers treat one kind of element, given as functions
// of the element's own type T. An absent function means a plain view's behaviour: no content of
// its own, its children flowed top to bottom.
template <class T>
struct ElementRow {
  std::string kind{};  // the View::kind() it serves
  bool leaf = false;   // shows content of its own: in a horizontal stack it keeps its height
                       // rather than filling the row, as containers do
  std::function<ElementSizing(const T&)> sizing{};
  // Layout: the height of its own content at `width`; shaped text goes into the box.
  std::function<double(const T&, ElementLayout&, double width, LayoutBox& box)> measure{};
  // The width its own content asks for.
  std::function<double(const T&, ElementLayout&)> contentWidth{};
  // Places the children in the box; returns the height they reach.
  std::function<double(const T&, ElementLayout&, LayoutBox& box, double width)> arrange{};
  // The width its children ask for, with its inset.
  std::function<double(const T&, ElementLayout&, double limit)> childrenWidth{};
  // PNG: draws its content over its background, in the box's coordinates.
  std::function<void(const T&, PngRenderer&, cairo_t*, const LayoutBox& box)> paint{};
  // HTML: rules for the page's style sheet, its opening tag, and what goes inside it.
  std::string css{};
  std::function<void(const T&, const LayoutBox& box, HtmlTag& tag)> tag{};
  std::function<void(const T&, HtmlRenderer&, const LayoutBox& box, std::string& out)> content{};
};

// A row as the table holds it, over any view, with the test of whether a view is of its type.
struct ElementKind : ElementRow<platform::View> {
  std::function<bool(const platform::View&)> accepts{};
};

// The rows by kind. Every table starts with the plain view's row, which takes any view.
// An element whose kind has no row, or whose kind's row is for a type it is not of, takes the
// row registered last among those whose type it has: a subclass of a label with a kind of its
// own draws as a label, a view of a kind nobody registered as a plain view. Rows for a
// subclass therefore come after the row for its base.
class ElementKinds {
 public:
  ElementKinds();

  // The toolkit's kinds; the table the renderers use unless given another.
  static const ElementKinds& standard();

  // Adds a row; one for a kind already in the table takes its place.
  template <class T>
  void add(ElementRow<T> row);

  const ElementKind& of(const platform::View& view) const;
  const std::vector<ElementKind>& rows() const { return rows_; }

 private:
  template <class T, class R, class... Args>
  static std::function<R(const platform::View&, Args...)> untyped(std::function<R(const T&, Args...)> function) {
    if (!function) return {};
    // The table hands a row only views that `accepts` let through, so the cast holds.
    return [function = std::move(function)](const platform::View& view, Args... args) {
      return function(static_cast<const T&>(view), std::forward<Args>(args)...);
    };
  }
  void put(ElementKind row);

  std::vector<ElementKind> rows_;
  std::unordered_map<std::string, std::size_t> byKind_;
};

template <class T>
void ElementKinds::add(ElementRow<T> row) {
  ElementKind kind;
  kind.kind = std::move(row.kind);
  kind.leaf = row.leaf;
  kind.sizing = untyped(std::move(row.sizing));
  kind.measure = untyped(std::move(row.measure));
  kind.contentWidth = untyped(std::move(row.contentWidth));
  kind.arrange = untyped(std::move(row.arrange));
  kind.childrenWidth = untyped(std::move(row.childrenWidth));
  kind.paint = untyped(std::move(row.paint));
  kind.css = std::move(row.css);
  kind.tag = untyped(std::move(row.tag));
  kind.content = untyped(std::move(row.content));
  kind.accepts = [](const platform::View& view) {
    if constexpr (std::is_same_v<T, platform::View>) {
      return true;
    } else {
      return dynamic_cast<const T*>(&view) != nullptr;
    }
  };
  put(std::move(kind));
}

}  // namespace kassio::host
