#pragma once

#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// What the terminal-authorisation service (Authbase) says one terminal may accept. Every member
// is required in JSON; callers read an absent answer as all flags false and no message.
struct AuthMPosData {
  std::string responseMessagae;
  bool cardPaymentEnabled = false;
  bool bharatQrPaymentEnabled = false;
  bool upiCollectPaymentEnabled = false;
  bool cashPaymentEnabled = false;
  bool smsPayPaymentEnabled = false;
  bool payLaterPaymentEnabled = false;
  bool businessCreditCardsEnabled = false;
  bool instaEnabled = false;
  bool jumboEnabled = false;
  bool leEnabled = false;

  bool operator==(const AuthMPosData&) const = default;
  static constexpr auto jsonFields = std::make_tuple(
      platform::jsonField("responseMessagae", &AuthMPosData::responseMessagae),
      platform::jsonField("cardPaymentEnabled", &AuthMPosData::cardPaymentEnabled),
      platform::jsonField("bharatQrPaymentEnabled", &AuthMPosData::bharatQrPaymentEnabled),
      platform::jsonField("upiCollectPaymentEnabled", &AuthMPosData::upiCollectPaymentEnabled),
      platform::jsonField("cashPaymentEnabled", &AuthMPosData::cashPaymentEnabled),
      platform::jsonField("smsPayPaymentEnabled", &AuthMPosData::smsPayPaymentEnabled),
      platform::jsonField("payLaterPaymentEnabled", &AuthMPosData::payLaterPaymentEnabled),
      platform::jsonField("businessCreditCardsEnabled", &AuthMPosData::businessCreditCardsEnabled),
      platform::jsonField("instaEnabled", &AuthMPosData::instaEnabled),
      platform::jsonField("jumboEnabled", &AuthMPosData::jumboEnabled),
      platform::jsonField("leEnabled", &AuthMPosData::leEnabled));
};

}  // namespace kassio
