#pragma once

#include "kassio/platform/ui/Control.h"

namespace kassio::platform {

class PageControl : public Control {
 public:
  std::string kind() const override { return "pageControl"; }
  int numberOfPages = 0;
  int currentPage = 0;
  bool hidesForSinglePage = false;
  std::optional<Color> pageIndicatorTintColor;
  std::optional<Color> currentPageIndicatorTintColor;

  void describe(nlohmann::ordered_json& out) const override {
    View::describe(out);
    out["pages"] = numberOfPages;
    out["current"] = currentPage;
  }
};

}  // namespace kassio::platform
