#include "kassio/banners/BannerFunctions.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "kassio/banners/AppLocation.h"
#include "kassio/banners/BannerNavigation.h"
#include "kassio/banners/BannerValidation.h"
#include "kassio/banners/BannersResponse.h"
#include "kassio/banners/DeepLinkHelper.h"
#include "kassio/platform/json/Json.h"

namespace kassio {

using platform::JsonValue;

namespace {

constexpr std::array<std::string_view, 4> functionNames = {"deepLinkValue", "checkBannerValidation",
                                                           "paymentsDashboardSections", "decideBannerNavigation"};
constexpr std::array<std::string_view, 4> recordNames = {"BannersResponse", "BannerList", "BannerDatum",
                                                         "AppLocation"};

// Reads named arguments, keeping the first problem for the caller.
class Arguments {
 public:
  Arguments(const JsonValue& args, std::string& error) : args_(args), error_(error) {
    if (!args_.is_null() && !args_.is_object()) fail("arguments must be an object");
  }

  bool ok() const { return ok_; }

  // The argument, or null when it is missing.
  const JsonValue& operator[](std::string_view key) const {
    static const JsonValue null;
    if (!args_.is_object()) return null;
    const auto found = args_.find(key);
    return found == args_.end() ? null : *found;
  }

  std::optional<std::string> text(std::string_view key, bool required) {
    const JsonValue& value = (*this)[key];
    if (value.is_string()) return value.get<std::string>();
    if (value.is_null() && !required) return std::nullopt;
    fail("argument " + std::string(key) + ": expected a text");
    return std::nullopt;
  }

  // A typed value from a JSON value or from JSON text.
  template <class T>
  std::optional<T> decoded(std::string_view key, std::string_view what, bool required) {
    const JsonValue& value = (*this)[key];
    if (value.is_null() && !required) return T{};
    std::optional<T> result = value.is_string() ? platform::decodeJson<T>(value.get_ref<const std::string&>())
                                                : platform::decodeJson<T>(value);
    if (!result) fail("argument " + std::string(key) + ": expected " + std::string(what));
    return result;
  }

  void fail(std::string message) {
    if (ok_) error_ = std::move(message);
    ok_ = false;
  }

 private:
  const JsonValue& args_;
  std::string& error_;
  bool ok_ = true;
};

std::optional<JsonValue> callDeepLinkValue(Arguments& args) {
  const bool labelled = !args["for"].is_null();
  const auto text = args.text(labelled ? "for" : "value", true);
  if (!args.ok()) return std::nullopt;
  return JsonValue(DeepLinkHelper::deepLinkValue(*text));
}

std::optional<JsonValue> callCheckBannerValidation(Arguments& args) {
  const auto banners = args.decoded<std::vector<BannerDatum>>("value", "a list of BannerDatum", true);
  const auto segments = args.decoded<TidSegments>("selectedTidSegments", "an object of text lists", false);
  const auto role = args.text("appUserRole", false);
  const auto ausRole = args.text("appUserAusRole", false);
  if (!args.ok()) return std::nullopt;
  return platform::encodeJsonValue(checkBannerValidation(*banners, *segments, role.value_or(""), ausRole.value_or("")));
}

std::optional<JsonValue> callPaymentsDashboardSections(Arguments& args) {
  const auto response = args.decoded<BannersResponse>("value", "a BannersResponse", true);
  if (!args.ok()) return std::nullopt;
  return platform::encodeJsonValue(response->paymentsDashboardSections());
}

std::optional<JsonValue> callDecideBannerNavigation(Arguments& args) {
  const auto url = args.text("value", false);
  const auto typeName = args.text("navigationType", false).value_or("other");
  if (!args.ok()) return std::nullopt;
  platform::NavigationType type = platform::NavigationType::other;
  if (typeName == "linkActivated") {
    type = platform::NavigationType::linkActivated;
  } else if (typeName != "other") {
    args.fail("argument navigationType: expected \"other\" or \"linkActivated\"");
    return std::nullopt;
  }
  const auto decision = decideBannerNavigation(url.value_or(""), type);
  JsonValue result = JsonValue::object();
  result["policy"] = decision.policy == platform::NavigationPolicy::allow ? "allow" : "cancel";
  result["completion"] = decision.openedURL ? JsonValue(*decision.openedURL) : JsonValue();
  return result;
}

template <class T>
std::optional<JsonValue> decodeAndEncode(std::string_view jsonText) {
  const auto value = platform::decodeJson<T>(jsonText);
  if (!value) return std::nullopt;
  return platform::encodeJsonValue(*value);
}

}  // namespace

bool isBannerFunctionName(std::string_view name) {
  return std::find(functionNames.begin(), functionNames.end(), name) != functionNames.end();
}

bool isBannerRecordName(std::string_view recordName) {
  return std::find(recordNames.begin(), recordNames.end(), recordName) != recordNames.end();
}

std::optional<JsonValue> callBannerFunction(std::string_view name, const JsonValue& argsValue, std::string& error) {
  Arguments args(argsValue, error);
  if (!args.ok()) return std::nullopt;
  if (name == "deepLinkValue") return callDeepLinkValue(args);
  if (name == "checkBannerValidation") return callCheckBannerValidation(args);
  if (name == "paymentsDashboardSections") return callPaymentsDashboardSections(args);
  if (name == "decideBannerNavigation") return callDecideBannerNavigation(args);
  error = "unknown function " + std::string(name);
  return std::nullopt;
}

std::optional<JsonValue> decodeBannerRecordByName(std::string_view recordName, std::string_view jsonText) {
  if (recordName == "BannersResponse") return decodeAndEncode<BannersResponse>(jsonText);
  if (recordName == "BannerList") return decodeAndEncode<BannerList>(jsonText);
  if (recordName == "BannerDatum") return decodeAndEncode<BannerDatum>(jsonText);
  if (recordName == "AppLocation") return decodeAndEncode<AppLocation>(jsonText);
  return std::nullopt;
}

}  // namespace kassio
