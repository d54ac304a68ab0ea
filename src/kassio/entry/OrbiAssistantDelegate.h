#pragma once

namespace kassio {

// The host's assistant delegate. The module holds the one it is given and calls nothing on it.
class OrbiAssistantDelegate {
 public:
  virtual ~OrbiAssistantDelegate() = 0;
};

inline OrbiAssistantDelegate::~OrbiAssistantDelegate() = default;

}  // namespace kassio
