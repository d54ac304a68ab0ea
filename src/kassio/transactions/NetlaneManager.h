#pragma once

namespace kassio {

// The host's networking manager (Netlane), through which every backend request goes. The module
// holds the one the host hands to KassioManager; its operations arrive with the backend gateway.
class NetlaneManager {
 public:
  virtual ~NetlaneManager() = 0;
};

inline NetlaneManager::~NetlaneManager() = default;

}  // namespace kassio
