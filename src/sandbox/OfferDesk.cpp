#include "sandbox/OfferDesk.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "kassio/offers/AddOfferRedemption.h"
#include "kassio/offers/CustomOfferDetails.h"
#include "kassio/offers/PaymentCustomOfferDetails.h"
#include "sandbox/Money.h"

namespace kassio::sandbox {

namespace {

constexpr std::array<std::string_view, 5> everyPaymentMode{"Card", "BharatQR", "UPI Collect", "Cash", "SMS Pay"};

std::optional<BannerData> redemptionBanner(const SeedOffer* offer) {
  if (!offer || !offer->bannerDetails) return std::nullopt;
  const auto& details = *offer->bannerDetails;
  auto frame = [](const std::optional<BannerImage>& image) -> std::optional<BannerFrameClass> {
    if (!image) return std::nullopt;
    return BannerFrameClass{image->id, image->fileUrl};
  };
  return BannerData{details.id, frame(details.bannerImage), frame(details.bannerFrame), details.bannerMetaDetails};
}

}  // namespace

const SeedOffer* OfferDesk::offerWithId(std::int64_t id) const {
  for (const auto& offer : bank_.seed().offers) {
    if (offer.offerId == id) return &offer;
  }
  return nullptr;
}

bool OfferDesk::offerCovers(const SeedOffer& offer, const std::string& tid) const {
  if (!offer.terminalIds) return bank_.terminalNamed(tid) != nullptr;
  return std::find(offer.terminalIds->begin(), offer.terminalIds->end(), tid) != offer.terminalIds->end();
}

std::vector<std::string> OfferDesk::modesOf(const SeedOffer& offer) {
  if (offer.paymentModes) return *offer.paymentModes;
  return {everyPaymentMode.begin(), everyPaymentMode.end()};
}

std::optional<std::int64_t> OfferDesk::discount(const SeedOffer& offer, std::int64_t amount) {
  if (amount < offer.minimumAmount.value_or(1)) return std::nullopt;
  const auto& rule = offer.offerDetails;
  const std::int64_t value = rule.value.value_or(0);
  std::int64_t off = value;
  if (rule.type == "PERCENT_DISCOUNT") off = rule.limit ? std::min(amount * value / 100, *rule.limit) : amount * value / 10000;
  // Something must stay to pay: a payment of nothing is no payment.
  if (off <= 0 || off >= amount) return std::nullopt;
  return off;
}

BankReply OfferDesk::offers(const OfferListRequest& request) {
  PaymentCustomOfferDetails result;
  const auto amount = paiseFromText(request.amountInPaise);
  if (!amount || *amount == 0) {
    result.error = true;
    result.code = "422";
    result.message = "Invalid amount \"" + request.amountInPaise + "\"";
    return recordReply(result);
  }
  OfferData data;
  if (auto customer = bank_.store().customer(request.mobileNumber)) data.custID = customer->plCustID;
  std::vector<EligibleOffer> eligible;
  for (const auto& offer : bank_.seed().offers) {
    std::vector<std::string> covered;
    for (const auto& tid : request.terminalIds) {
      if (offerCovers(offer, tid) && std::find(covered.begin(), covered.end(), tid) == covered.end())
        covered.push_back(tid);
    }
    const auto off = discount(offer, *amount);
    if (covered.empty() || !off) continue;
    eligible.push_back(EligibleOffer{offer.offerId, offer.offerName, *off, *amount - *off, offer.offerDescription,
                                     offer.offerDetails, offer.bannerDetails, covered, modesOf(offer)});
  }
  result.error = false;
  result.code = "200";
  result.message = eligible.empty() ? "No offers for this payment" : std::to_string(eligible.size()) + " offers available";
  data.eligibleOffers = std::move(eligible);
  result.data = std::move(data);
  return recordReply(result);
}

BankReply OfferDesk::addOfferRedeem(const OfferRedeemRequest& request) {
  auto decline = [](const char* code, std::string message) {
    return recordReply(AddOfferRedemption{true, code, std::nullopt, std::move(message)});
  };
  const auto& tid = request.terminalId;
  const auto offerId = wholeNumber(request.offerId);
  const SeedOffer* offer = offerId ? offerWithId(*offerId) : nullptr;
  if (!offer) return decline("404", "Offer " + request.offerId + " was not found");
  if (!offerCovers(*offer, tid)) return decline("422", "The offer does not apply on terminal " + tid);
  const auto modes = modesOf(*offer);
  if (std::find(modes.begin(), modes.end(), request.paymentMode) == modes.end())
    return decline("422", "The offer does not apply to " + request.paymentMode + " payments");
  const auto offerAmount = paiseFromText(request.offerAmount);
  const auto payable = paiseFromText(request.payableAmount);
  if (!offerAmount || !payable || discount(*offer, *offerAmount + *payable) != *offerAmount)
    return decline("422", "The amounts do not match the offer");
  const auto customerId = wholeNumber(request.customerId);
  if (!request.customerId.empty() && !customerId)
    return decline("422", "Invalid customer id \"" + request.customerId + "\"");
  if (request.status.empty()) return decline("422", "A redemption status is needed");
  BankStore::Redemption redemption{0,        *offerId,            tid,            customerId,   *offerAmount,
                                   *payable, request.paymentMode, request.status, std::nullopt, bank_.now()};
  redemption.id = bank_.store().insert(redemption);
  RedemptionData data{redemption.id, bank_.dayTime(redemption.updatedAt), redemption.offerId, tid,
                      customerId,    std::nullopt,                       request.status,      *offerAmount,
                      *payable,      request.paymentMode};
  return recordReply(AddOfferRedemption{false, "200", data, "Offer applied"});
}

BankReply OfferDesk::offerRedemptionData(const RedemptionRequest& request) {
  const auto id = wholeNumber(request.redemptionId);
  const auto redemption = id ? bank_.store().redemption(*id) : std::nullopt;
  if (!redemption)
    return recordReply(
        CustomOfferDetails{true, "404", std::nullopt, "Redemption " + request.redemptionId + " was not found"});
  const SeedOffer* offer = offerWithId(redemption->offerId);
  CustomOfferData data{redemption->id,
                       offer ? offer->offerName : std::nullopt,
                       static_cast<double>(redemption->offerId),
                       static_cast<double>(redemption->offerAmount),
                       static_cast<double>(redemption->transactionAmount),
                       redemptionBanner(offer)};
  return recordReply(CustomOfferDetails{false, "200", std::vector<CustomOfferData>{data}, "Redemption found"});
}

}  // namespace kassio::sandbox
