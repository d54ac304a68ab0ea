#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "kassio/platform/json/JsonValue.h"

// The banner and deep-link operations by name, with JSON arguments and results, for the script
// driver and other hosts that speak JSON.
namespace kassio {

// Whether callBannerFunction() / decodeBannerRecordByName() know the name.
bool isBannerFunctionName(std::string_view name);
bool isBannerRecordName(std::string_view recordName);

// Calls one operation with named arguments (an object; null counts as no arguments):
//   deepLinkValue              {"value" (or "for"): text}  → integer; writes "deepLinkURL"
//   checkBannerValidation      {"value": [BannerDatum], "selectedTidSegments": {tid: [text]},
//                               "appUserRole": text, "appUserAusRole": text}  → [BannerDatum]
//                              at the run loop's current time; an absent map is empty and an
//                              absent or null role the empty text
//   paymentsDashboardSections  {"value": BannersResponse}  → [BannerList]
//   decideBannerNavigation     {"value": text or null (no address),
//                               "navigationType": "other" (default) or "linkActivated"}
//                              → {"policy": "allow" or "cancel", "completion": text or null}
// A record or list argument may also be given as JSON text. Records come back encoded (present
// fields only). An unknown name or a bad argument gives nullopt with `error` saying why.
std::optional<platform::JsonValue> callBannerFunction(std::string_view name, const platform::JsonValue& args,
                                                      std::string& error);

// Decodes "BannersResponse", "BannerList", "BannerDatum" or "AppLocation" (a raw value in JSON)
// from JSON text and encodes it back; nullopt when the text does not decode or the name is unknown.
std::optional<platform::JsonValue> decodeBannerRecordByName(std::string_view recordName, std::string_view jsonText);

}  // namespace kassio
