#pragma once

#include <string_view>

#include "kassio/banners/DeepLinkConfiguration.h"

namespace kassio {

// Turns a link into the integer action the host application routes by: 0 is no route, 1…77
// name host screens. The module never navigates the host itself; it records the link and hands
// the value over (the banner carousel stores it and announces a banner action).
class DeepLinkHelper {
 public:
  // The user-defaults text that holds the last link given to deepLinkValue(), matched or not;
  // the host reads the query values of the prefix routes back from it.
  static constexpr std::string_view deepLinkURLKey = "deepLinkURL";

  // The action value of `text`: a link in the web ("https://" + linkHost), custom-scheme
  // ("velbank://" + linkHost) or dynamic-link ("https://" + dynamicLinkHost) form, or one of
  // the plain action texts ("Paper Roll tid", "FIRS tid", "GSTIN Invoice tid").
  //
  // The five prefix routes (52, 53, 60, 76, 77: paths ending in "terminalID=", "fromBanner=",
  // "redirectionURL=") match when their web or custom-scheme form occurs anywhere in the text,
  // letter case included. Every other route must equal the whole text up to letter case, its
  // query string included. Writes `text` to "deepLinkURL" first. The one-argument form compares
  // against the module's link domains (KassioManager::deepLinkConfiguration()), which the host
  // sets when it configures the module (placeholder domains until then).
  static int deepLinkValue(std::string_view forText);
  static int deepLinkValue(std::string_view forText, const DeepLinkConfiguration& configuration);
};

}  // namespace kassio
