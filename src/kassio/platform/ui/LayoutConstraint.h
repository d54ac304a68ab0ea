#pragma once

#include <nlohmann/json.hpp>

namespace kassio::platform {

// A layout constraint outlet: screens change only its constant (a height, a spacing).
class LayoutConstraint {
 public:
  explicit LayoutConstraint(double constant = 0) : constant(constant) {}
  double constant;
  bool isActive = true;

  void describe(nlohmann::ordered_json& out) const {
    out["kind"] = "constraint";
    out["constant"] = constant;
    out["active"] = isActive;
  }
};

}  // namespace kassio::platform
