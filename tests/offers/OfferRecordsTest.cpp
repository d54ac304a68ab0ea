#include <gtest/gtest.h>

#include "kassio/offers/AddOfferRedemption.h"
#include "kassio/offers/BannerData.h"
#include "kassio/offers/BannerDetails.h"
#include "kassio/offers/BannerFrameClass.h"
#include "kassio/offers/BannerImage.h"
#include "kassio/offers/CustomOfferData.h"
#include "kassio/offers/CustomOfferDetails.h"
#include "kassio/offers/EligibleOffer.h"
#include "kassio/offers/OfferData.h"
#include "kassio/offers/OfferDetails.h"
#include "kassio/offers/PaymentCustomOfferDetails.h"
#include "kassio/offers/RedemptionData.h"
#include "kassio/platform/json/Json.h"
#include "transactions/RecordDecodeCase.h"

namespace kassio {
namespace {

TEST(OfferRecords, DecodingRules) {
  const DecodeCase cases[] = {
      // Integers take integral numbers only; quoted numbers fail the whole offer list.
      {roundTrip<PaymentCustomOfferDetails>, R"({"data":{"eligibleOffers":[{"offerId":"7"}]}})", "null"},
      {roundTrip<PaymentCustomOfferDetails>, R"({"data":{"custId":"55"}})", "null"},
      {roundTrip<EligibleOffer>, R"({"offerAmount":12.5})", "null"},
      {roundTrip<EligibleOffer>, R"({"offerAmount":1250,"amountPayable":8750})", R"({"offerAmount":1250,"amountPayable":8750})"},
      {roundTrip<OfferDetails>, R"({"type":"PERCENT_DISCOUNT","value":10,"limit":5000})",
       R"({"type":"PERCENT_DISCOUNT","value":10,"limit":5000})"},
      {roundTrip<OfferDetails>, R"({"limit":50.5})", "null"},
      // The redeemed offer's amounts and offer id are decimal numbers.
      {roundTrip<CustomOfferData>, R"({"offerAmount":12.5,"offerId":3,"transactionAmount":100})",
       R"({"offerId":3,"offerAmount":12.5,"transactionAmount":100})"},
      {roundTrip<CustomOfferData>, R"({"redemptionId":4.5})", "null"},
      {roundTrip<CustomOfferData>, R"({"offerAmount":"12.5"})", "null"},
      // Renamed keys: the key ends in lower case where the field name ends in capitals.
      {roundTrip<EligibleOffer>, R"({"offerID":7})", "{}"},
      {roundTrip<EligibleOffer>, R"({"offerId":7})", R"({"offerId":7})"},
      {roundTrip<OfferData>, R"({"custID":1,"custId":2})", R"({"custId":2})"},
      {roundTrip<RedemptionData>, R"({"terminalID":"T1"})", "{}"},
      {roundTrip<RedemptionData>,
       R"({"terminalId":"T1","customerId":9,"transactionId":"X1","offerId":7,"id":31,"transactionStatus":"InProgress"})",
       R"({"id":31,"offerId":7,"terminalId":"T1","customerId":9,"transactionId":"X1","transactionStatus":"InProgress"})"},
      {roundTrip<RedemptionData>, R"({"customerId":"9"})", "null"},
      {roundTrip<BannerImage>, R"({"terminalId":"T1"})", "{}"},
      {roundTrip<BannerImage>, R"({"terminalID":"T1","isSelected":true})", R"({"terminalID":"T1","isSelected":true})"},
      {roundTrip<BannerImage>, R"({"isSelected":"true"})", "null"},
      {roundTrip<BannerFrameClass>, R"({"fileURL":"a","fileUrl":"b"})", R"({"fileUrl":"b"})"},
      {roundTrip<CustomOfferData>, R"({"redemptionID":1,"redemptionId":2})", R"({"redemptionId":2})"},
      // Envelopes without data; null leaves a field absent.
      {roundTrip<PaymentCustomOfferDetails>, R"({"error":true,"message":"No offers"})",
       R"({"error":true,"message":"No offers"})"},
      {roundTrip<AddOfferRedemption>, R"({"error":false,"message":"ok","data":null})", R"({"error":false,"message":"ok"})"},
      {roundTrip<CustomOfferDetails>, R"({"error":false,"message":"ok"})", R"({"error":false,"message":"ok"})"},
      {roundTrip<CustomOfferDetails>, R"({"error":"false"})", "null"},
      {roundTrip<CustomOfferDetails>, R"({"data":{}})", "null"},
      // Nested banner records.
      {roundTrip<BannerDetails>, R"({"bannerMetaDetails":{"fontSize":"14"}})", "null"},
      {roundTrip<BannerDetails>, R"({"id":1,"bannerFrame":{"fileUrl":"f.png"},"bannerMetaDetails":{"fontColor":"FFFFFF"}})",
       R"({"id":1,"bannerFrame":{"fileUrl":"f.png"},"bannerMetaDetails":{"fontColor":"FFFFFF"}})"},
      {roundTrip<BannerData>, R"({"bannerImage":{"id":2,"fileUrl":"i.png"},"bannerMetaDetails":{"fontSize":12}})",
       R"({"bannerImage":{"id":2,"fileUrl":"i.png"},"bannerMetaDetails":{"fontSize":12}})"},
  };
  for (const auto& c : cases) expectDecodes(c);
}

TEST(OfferRecords, FullOfferListRoundTrips) {
  const char* body = R"({"error":false,"code":"200","data":{"custId":55,"eligibleOffers":[
    {"offerId":7,"offerName":"Flat 50","offerAmount":5000,"amountPayable":45000,"offerDescription":"Save",
     "offerDetails":{"type":"FLAT","value":5000},
     "bannerDetails":{"id":3,"updatedAt":"2026-12-01","bannerImage":{"id":4,"fileUrl":"b.png","terminalID":"T1"},
                      "bannerMetaDetails":{"backgroundColor":"#FF0000","fontColor":"FFFFFF","fontSize":14},
                      "bannerType":"offer"},
     "terminalIds":["T1","T2"],"paymentModes":["Cash","SMS Pay"]}]},"message":"ok"})";
  const auto offers = platform::decodeJson<PaymentCustomOfferDetails>(std::string_view(body));
  ASSERT_TRUE(offers);
  const auto& offer = offers->data->eligibleOffers->at(0);
  EXPECT_EQ(offers->data->custID, 55);
  EXPECT_EQ(offer.offerID, 7);
  EXPECT_EQ(offer.amountPayable, 45000);
  EXPECT_EQ(offer.bannerDetails->bannerImage->terminalID, "T1");
  EXPECT_EQ(offer.bannerDetails->bannerMetaDetails->fontSize, 14);
  EXPECT_EQ(offer.paymentModes, (std::vector<std::string>{"Cash", "SMS Pay"}));
  EXPECT_EQ(platform::encodeJsonValue(*offers), *platform::parseJson(body));
}

}  // namespace
}  // namespace kassio
