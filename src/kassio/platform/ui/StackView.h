#pragma once

#include "kassio/platform/ui/View.h"

namespace kassio::platform {

enum class LayoutAxis { horizontal, vertical };

// Lays its arranged subviews out along an axis; hidden ones take no space.
class StackView : public View {
 public:
  std::string kind() const override { return "stack"; }
  LayoutAxis axis = LayoutAxis::vertical;
  double spacing = 0;

  void addArrangedSubview(std::shared_ptr<View> view) { addSubview(std::move(view)); }
  const std::vector<std::shared_ptr<View>>& arrangedSubviews() const { return subviews(); }
};

}  // namespace kassio::platform
