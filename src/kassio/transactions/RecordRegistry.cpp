#include "kassio/transactions/RecordRegistry.h"

#include <array>

#include "kassio/dashboard/MiniStatementResponse.h"
#include "kassio/dashboard/SalesCounterDataResponse.h"
#include "kassio/dashboard/SalesCounterListData.h"
#include "kassio/dashboard/TransactionParam.h"
#include "kassio/offers/AddOfferRedemption.h"
#include "kassio/offers/BannerData.h"
#include "kassio/offers/BannerDetails.h"
#include "kassio/offers/BannerFrameClass.h"
#include "kassio/offers/BannerImage.h"
#include "kassio/offers/BannerMetaDetails.h"
#include "kassio/offers/CustomOfferData.h"
#include "kassio/offers/CustomOfferDetails.h"
#include "kassio/offers/EligibleOffer.h"
#include "kassio/offers/OfferData.h"
#include "kassio/offers/OfferDetails.h"
#include "kassio/offers/PaymentCustomOfferDetails.h"
#include "kassio/offers/RedemptionData.h"
#include "kassio/platform/json/Json.h"
#include "kassio/transactions/AddPayLaterTxnResponse.h"
#include "kassio/transactions/CashPayResponse.h"
#include "kassio/transactions/GetCustomerResponse.h"
#include "kassio/transactions/LinkPayResponse.h"
#include "kassio/transactions/LoyaltyDetail.h"
#include "kassio/transactions/LoyaltyResponse.h"
#include "kassio/transactions/SimpleAPIResponse.h"

namespace kassio {

namespace {

template <class Record>
std::optional<platform::JsonValue> decodeAs(std::string_view jsonText) {
  const auto record = platform::decodeJson<Record>(jsonText);
  if (!record) return std::nullopt;
  return platform::encodeJsonValue(*record);
}

struct Entry {
  std::string_view name;
  std::optional<platform::JsonValue> (*decode)(std::string_view);
};

constexpr std::array entries{
    Entry{"CashPayResponse", &decodeAs<CashPayResponse>},
    Entry{"LinkPayResponse", &decodeAs<LinkPayResponse>},
    Entry{"SimpleAPIResponse", &decodeAs<SimpleAPIResponse>},
    Entry{"GetCustomerResponse", &decodeAs<GetCustomerResponse>},
    Entry{"AddPayLaterTxnResponse", &decodeAs<AddPayLaterTxnResponse>},
    Entry{"LoyaltyResponse", &decodeAs<LoyaltyResponse>},
    Entry{"LoyaltyDetail", &decodeAs<LoyaltyDetail>},
    Entry{"PaymentCustomOfferDetails", &decodeAs<PaymentCustomOfferDetails>},
    Entry{"OfferData", &decodeAs<OfferData>},
    Entry{"EligibleOffer", &decodeAs<EligibleOffer>},
    Entry{"OfferDetails", &decodeAs<OfferDetails>},
    Entry{"BannerDetails", &decodeAs<BannerDetails>},
    Entry{"BannerImage", &decodeAs<BannerImage>},
    Entry{"BannerMetaDetails", &decodeAs<BannerMetaDetails>},
    Entry{"AddOfferRedemption", &decodeAs<AddOfferRedemption>},
    Entry{"RedemptionData", &decodeAs<RedemptionData>},
    Entry{"CustomOfferDetails", &decodeAs<CustomOfferDetails>},
    Entry{"CustomOfferData", &decodeAs<CustomOfferData>},
    Entry{"BannerData", &decodeAs<BannerData>},
    Entry{"BannerFrameClass", &decodeAs<BannerFrameClass>},
    Entry{"SalesCounterDataResponse", &decodeAs<SalesCounterDataResponse>},
    Entry{"SalesCounterListData", &decodeAs<SalesCounterListData>},
    Entry{"MiniStatementResponse", &decodeAs<MiniStatementResponse>},
    Entry{"TransactionParam", &decodeAs<TransactionParam>},
};

const Entry* entryNamed(std::string_view name) {
  for (const auto& entry : entries) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

}  // namespace

bool isDecodableRecord(std::string_view recordName) { return entryNamed(recordName) != nullptr; }

std::vector<std::string_view> decodableRecordNames() {
  std::vector<std::string_view> result;
  for (const auto& entry : entries) result.push_back(entry.name);
  return result;
}

std::optional<platform::JsonValue> decodeRecordByName(std::string_view recordName, std::string_view jsonText) {
  const Entry* entry = entryNamed(recordName);
  return entry ? entry->decode(jsonText) : std::nullopt;
}

}  // namespace kassio
