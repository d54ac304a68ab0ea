#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kassio/banners/BannerList.h"
#include "kassio/platform/json/JsonValue.h"
#include "sandbox/SeedCustomer.h"
#include "sandbox/SeedLoyalty.h"
#include "sandbox/SeedOffer.h"
#include "sandbox/SeedTerminal.h"
#include "sandbox/SeedTransaction.h"

namespace kassio::sandbox {

// What the bank starts from: the "bank" object of a merchant fixture (docs/sandbox-bank.md).
struct BankSeed {
  std::string timeZone = "Asia/Kolkata";  // the bank's days begin and end in this zone
  std::vector<SeedTerminal> terminals;
  std::vector<SeedCustomer> customers;
  std::optional<std::string> payLaterLimitForNewCustomers;  // rupees; none: no new customers
  std::vector<SeedLoyalty> loyalty;
  std::vector<SeedOffer> offers;
  std::vector<BannerList> banners;  // the feed's sections
  std::vector<SeedTransaction> transactions;

  // Every key is optional; null or an absent object is an empty bank. None, with the reason,
  // when a key does not decode or the seed contradicts itself (a transaction on an unknown
  // terminal, a repeated terminal id, an unreadable amount).
  static std::optional<BankSeed> read(const platform::JsonValue& bank, std::string* error = nullptr);
};

// Ten decimal digits: the mobile numbers the bank knows customers by.
bool isMobileNumber(std::string_view text);

// The enabled names of SeedTerminal.
inline constexpr const char* terminalCapabilities[] = {"card",  "bharatQr",           "upiCollect", "cash",
                                                       "smsPay", "payLater",          "businessCreditCards",
                                                       "insta", "jumbo",              "le"};

}  // namespace kassio::sandbox
