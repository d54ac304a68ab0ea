#include "host/ElementKinds.h"

#include "host/ToolkitRows.h"

namespace kassio::host {

ElementKinds::ElementKinds() { add(ElementRow<platform::View>{.kind = "view"}); }

const ElementKinds& ElementKinds::standard() {
  // Built once and never changed: a constant of the renderers, not state.
  static const ElementKinds table = [] {
    ElementKinds kinds;
    addToolkitRows(kinds);
    return kinds;
  }();
  return table;
}

void ElementKinds::put(ElementKind row) {
  if (auto found = byKind_.find(row.kind); found != byKind_.end()) {
    rows_[found->second] = std::move(row);
    return;
  }
  byKind_.emplace(row.kind, rows_.size());
  rows_.push_back(std::move(row));
}

const ElementKind& ElementKinds::of(const platform::View& view) const {
  if (auto found = byKind_.find(view.kind()); found != byKind_.end() && rows_[found->second].accepts(view))
    return rows_[found->second];
  for (auto row = rows_.rbegin(); row != rows_.rend(); ++row)
    if (row->accepts(view)) return *row;
  // Only when the plain view's row was replaced by one for a narrower type.
  static const ElementKind plain = [] {
    ElementKind row;
    row.kind = "view";
    row.accepts = [](const platform::View&) { return true; };
    return row;
  }();
  return plain;
}

}  // namespace kassio::host
