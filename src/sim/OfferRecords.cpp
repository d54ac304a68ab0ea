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
#include "sim/RecordTable.h"
#include "sim/Registrations.h"

namespace kassio::sim {

void registerOfferRecords(RecordTable& table) {
  table.add<PaymentCustomOfferDetails>("PaymentCustomOfferDetails");
  table.add<OfferData>("OfferData");
  table.add<EligibleOffer>("EligibleOffer");
  table.add<OfferDetails>("OfferDetails");
  table.add<BannerDetails>("BannerDetails");
  table.add<BannerImage>("BannerImage");
  table.add<BannerMetaDetails>("BannerMetaDetails");
  table.add<AddOfferRedemption>("AddOfferRedemption");
  table.add<RedemptionData>("RedemptionData");
  table.add<CustomOfferDetails>("CustomOfferDetails");
  table.add<CustomOfferData>("CustomOfferData");
  table.add<BannerData>("BannerData");
  table.add<BannerFrameClass>("BannerFrameClass");
}

}  // namespace kassio::sim
