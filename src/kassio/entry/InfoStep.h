#pragma once

#include <string>

namespace kassio {

// One page of a payment mode's help: a text and the asset name of its picture.
struct InfoStep {
  std::string text;
  std::string imageName;

  bool operator==(const InfoStep&) const = default;
};

}  // namespace kassio
