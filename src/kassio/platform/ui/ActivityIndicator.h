#pragma once

#include "kassio/platform/ui/View.h"

namespace kassio::platform {

class ActivityIndicator : public View {
 public:
  std::string kind() const override { return "activityIndicator"; }
  bool hidesWhenStopped = true;

  void startAnimating() {
    animating_ = true;
    if (hidesWhenStopped) hidden = false;
  }
  void stopAnimating() {
    animating_ = false;
    if (hidesWhenStopped) hidden = true;
  }
  bool isAnimating() const { return animating_; }

  void describe(nlohmann::ordered_json& out) const override {
    View::describe(out);
    out["animating"] = animating_;
  }

 private:
  bool animating_ = false;
};

}  // namespace kassio::platform
