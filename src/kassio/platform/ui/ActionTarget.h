#pragma once

#include <string>

namespace kassio::platform {

class View;

// Something that answers actions sent by selector name ("closeButtonTapped:"), as screens do.
class ActionTarget {
 public:
  virtual ~ActionTarget() = default;
  // Returns false when the target has no action of that name.
  virtual bool performAction(const std::string& selector, View* sender) = 0;
};

}  // namespace kassio::platform
