#pragma once

#include "kassio/platform/ui/View.h"

namespace kassio::platform {

class ScrollView : public View {
 public:
  std::string kind() const override { return "scroll"; }
  Point contentOffset;
  Size contentSize;
  bool isPagingEnabled = false;
  bool isScrollEnabled = true;
};

}  // namespace kassio::platform
