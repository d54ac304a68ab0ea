#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kassio/transactions/AuthCustomeRequests.h"
#include "sandbox/BankContext.h"
#include "sandbox/BankReply.h"

namespace kassio::sandbox {

// The offers the bank runs and their redemptions. A redemption names the terminal, the payment
// mode and the payable amount it was made for; the payment desk holds payments to that.
class OfferDesk {
 public:
  explicit OfferDesk(BankContext& bank) : bank_(bank) {}

  // The offers that apply to an amount on the requested terminals.
  BankReply offers(const OfferListRequest& request);
  BankReply addOfferRedeem(const OfferRedeemRequest& request);
  BankReply offerRedemptionData(const RedemptionRequest& request);

 private:
  const SeedOffer* offerWithId(std::int64_t id) const;
  bool offerCovers(const SeedOffer& offer, const std::string& tid) const;
  static std::vector<std::string> modesOf(const SeedOffer& offer);
  // The discount on `amount` paise, or none when the offer does not apply to it.
  static std::optional<std::int64_t> discount(const SeedOffer& offer, std::int64_t amount);

  BankContext& bank_;
};

}  // namespace kassio::sandbox
