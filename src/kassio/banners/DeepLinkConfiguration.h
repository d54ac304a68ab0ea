#pragma once

#include <string>
#include <string_view>

namespace kassio {

// Where the host application's links live: deployment configuration the host supplies. The
// defaults are placeholders on the reserved ".example" domain, so an unconfigured module routes
// nothing of a real deployment by accident.
struct DeepLinkConfiguration {
  // Universal-link domain: routes are "https://" + linkHost + path, and "velbank://" + linkHost
  // + path for the custom scheme.
  std::string linkHost = "app.velbank.example";
  // Dynamic-link domain: short routes are "https://" + dynamicLinkHost + short path.
  std::string dynamicLinkHost = "link.velbank.example";
  // The host's onboarding links for the online-store feature (ending "TrindlifyOnboarding/activity")
  // and its onboarding check (ending "TrindlifyOnboardingCheck/activity"); a banner tap carrying
  // either one does nothing.
  std::string onboardingLink =
      "https://app.velbank.example/ThreeSixtyViewFragment/fragment/0/TrindlifyOnboarding/activity";
  std::string onboardingCheckLink =
      "https://app.velbank.example/ThreeSixtyViewFragment/fragment/0/TrindlifyOnboardingCheck/activity";

  // Exactly one of the two onboarding links.
  bool isOnboardingLink(std::string_view link) const { return link == onboardingLink || link == onboardingCheckLink; }

  bool operator==(const DeepLinkConfiguration&) const = default;
};

}  // namespace kassio
