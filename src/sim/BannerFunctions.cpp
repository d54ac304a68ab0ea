#include <vector>

#include "kassio/banners/BannerNavigation.h"
#include "kassio/banners/BannerValidation.h"
#include "kassio/banners/BannersResponse.h"
#include "kassio/banners/DeepLinkHelper.h"
#include "sim/FunctionTable.h"
#include "sim/Registrations.h"

namespace kassio::sim {

namespace {

using Json = FunctionTable::Json;

// Arguments that are no object at all are reported before any of their members.
bool objectArguments(ArgumentReader& args) {
  if (!args.isObject()) args.fail("arguments must be an object");
  return args.ok();
}

}  // namespace

// The banner and deep-link operations. A record or list argument may also be given as JSON
// text; records come back encoded (present fields only).
void registerBannerFunctions(FunctionTable& table) {
  constexpr ArgumentReader::Wording wording{"argument ", ": expected ", false};

  // {"value" (or "for"): text} → integer; writes "deepLinkURL".
  table.add(
      "deepLinkValue",
      [](ArgumentReader& args) -> Json {
        if (!objectArguments(args)) return nullptr;
        const auto text = args.requiredText(args.has("for") ? "for" : "value");
        return text ? Json(DeepLinkHelper::deepLinkValue(*text)) : Json(nullptr);
      },
      wording);

  // {"value": [BannerDatum], "selectedTidSegments": {tid: [text]}, "appUserRole": text,
  //  "appUserAusRole": text} → [BannerDatum] at the run loop's current time; an absent map is
  // empty and an absent or null role the empty text.
  table.add(
      "checkBannerValidation",
      [](ArgumentReader& args) -> Json {
        if (!objectArguments(args)) return nullptr;
        const auto banners = args.record<std::vector<BannerDatum>>("value", "a list of BannerDatum");
        const auto segments = args.record<TidSegments>("selectedTidSegments", "an object of text lists", false);
        const auto role = args.optionalText("appUserRole");
        const auto ausRole = args.optionalText("appUserAusRole");
        if (!args.ok()) return nullptr;
        return platform::encodeJsonValue(
            checkBannerValidation(*banners, *segments, role.value_or(""), ausRole.value_or("")));
      },
      wording);

  // {"value": BannersResponse} → [BannerList]
  table.add(
      "paymentsDashboardSections",
      [](ArgumentReader& args) -> Json {
        if (!objectArguments(args)) return nullptr;
        const auto response = args.record<BannersResponse>("value", "a BannersResponse");
        if (!response) return nullptr;
        return platform::encodeJsonValue(response->paymentsDashboardSections());
      },
      wording);

  // {"value": text or null (no address), "navigationType": "other" (default) or "linkActivated"}
  // → {"policy": "allow" or "cancel", "completion": text or null}
  table.add(
      "decideBannerNavigation",
      [](ArgumentReader& args) -> Json {
        if (!objectArguments(args)) return nullptr;
        const auto url = args.optionalText("value");
        const auto typeName = args.optionalText("navigationType").value_or("other");
        if (!args.ok()) return nullptr;
        platform::NavigationType type = platform::NavigationType::other;
        if (typeName == "linkActivated") {
          type = platform::NavigationType::linkActivated;
        } else if (typeName != "other") {
          args.mismatch("navigationType", "\"other\" or \"linkActivated\"");
          return nullptr;
        }
        const auto decision = decideBannerNavigation(url.value_or(""), type);
        return {{"policy", decision.policy == platform::NavigationPolicy::allow ? "allow" : "cancel"},
                {"completion", decision.openedURL ? Json(*decision.openedURL) : Json(nullptr)}};
      },
      wording);
}

}  // namespace kassio::sim
