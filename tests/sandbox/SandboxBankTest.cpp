#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "kassio/banners/BannersResponse.h"
#include "kassio/dashboard/MiniStatementResponse.h"
#include "kassio/dashboard/SalesCounterDataResponse.h"
#include "kassio/entry/MainFilterData.h"
#include "kassio/offers/AddOfferRedemption.h"
#include "kassio/offers/CustomOfferDetails.h"
#include "kassio/offers/PaymentCustomOfferDetails.h"
#include "kassio/terminals/GetUserTerminalListResponse.h"
#include "kassio/transactions/AddPayLaterTxnResponse.h"
#include "kassio/transactions/AuthCustomeWire.h"
#include "kassio/transactions/CashPayResponse.h"
#include "kassio/transactions/GetCustomerResponse.h"
#include "kassio/transactions/LinkPayResponse.h"
#include "kassio/transactions/LoyaltyResponse.h"
#include "kassio/transactions/SimpleAPIResponse.h"
#include "host/SqliteDatabase.h"
#include "sandbox/SandboxBank.h"
#include "sandbox/SandboxTestSupport.h"

namespace kassio::sandbox::test {
namespace {

class SandboxBankTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    bank = SandboxBank::open(testSeed(), ":memory:", [this] { return now; }, &error);
    ASSERT_TRUE(bank) << error;
  }

  template <class Record>
  Record ask(const AuthCustome& request) {
    const BankReply reply = bank->handle(request);
    EXPECT_EQ(reply.status, 200) << bodyText(reply);
    auto record = decoded<Record>(reply);
    EXPECT_TRUE(record) << bodyText(reply);
    return record.value_or(Record{});
  }

  static AuthCustome cash(const std::string& tid, const std::string& amount, const std::string& mobile = "",
                          const std::string& redemptionId = "") {
    return AuthCustome::cashPay(tid, amount, "Lunch", "20261211T103000", "", mobile, redemptionId);
  }

  SalesCounterListData salesOn(const std::string& tid, const std::string& day = "2026-12-11") {
    const auto answer = ask<SalesCounterDataResponse>(AuthCustome::paymentSalesCardVelbank({tid}, "1", day, day));
    EXPECT_EQ(answer.status, "Success");
    const auto& list = answer.saleCounterList.value_or(std::vector<SalesCounterListData>{});
    return list.empty() ? SalesCounterListData{} : list.front();
  }

  std::vector<TransactionParam> statement(std::vector<std::string> states = {"SaleSuccess"},
                                          const std::string& start = "2026-12-11", const std::string& end = "2026-12-11",
                                          const std::string& count = "10") {
    const auto answer = ask<MiniStatementResponse>(
        AuthCustome::miniStateMent({"T1", "T2"}, "terminal", std::move(states), "miniStatement", count, start, end));
    EXPECT_EQ(answer.status, "Success") << answer.message.value_or("");
    return answer.transactionParams.value_or(std::vector<TransactionParam>{});
  }

  platform::Date now = indiaTime("2026-12-11 10:30:00");
  std::unique_ptr<SandboxBank> bank;
};

TEST_F(SandboxBankTest, RecognisesKnownAndNewCustomers) {
  const auto known = ask<GetCustomerResponse>(AuthCustome::getCustomer("9876543210", "T1"));
  EXPECT_EQ(known.status, "Success");
  EXPECT_EQ(known.errorCode, "S101");
  EXPECT_EQ(known.plCustID, 40001);
  EXPECT_EQ(known.name, "Priya Sharma");
  EXPECT_EQ(known.payLaterBalance, "700.00");  // 1000.00 less the seeded 300.00

  const auto unknown = ask<GetCustomerResponse>(AuthCustome::getCustomer("9000000001", "T1"));
  EXPECT_EQ(unknown.status, "Failed");
  EXPECT_EQ(unknown.errorCode, "L114");
  EXPECT_FALSE(unknown.plCustID);

  // Visits and spends are counted from the books: 30 days hold 400.00, 250.50 and 300.00.
  const auto regular = ask<LoyaltyResponse>(AuthCustome::loyalty("9876543210", "T1"));
  EXPECT_EQ(regular.status, "Success");
  ASSERT_TRUE(regular.loyaltyDetail);
  EXPECT_EQ(regular.loyaltyDetail->customer, "repeat");
  EXPECT_EQ(regular.loyaltyDetail->count30, "3");
  EXPECT_EQ(regular.loyaltyDetail->spend30, "950.50");
  EXPECT_EQ(regular.loyaltyDetail->count90, "4");
  EXPECT_EQ(regular.loyaltyDetail->spend90, "1950.50");
  EXPECT_EQ(regular.loyaltyDetail->status, "Gold");

  const auto newcomer = ask<LoyaltyResponse>(AuthCustome::loyalty("9000000001", "T1"));
  ASSERT_TRUE(newcomer.loyaltyDetail);
  EXPECT_EQ(newcomer.loyaltyDetail->customer, "new");
  EXPECT_EQ(newcomer.loyaltyDetail->spend90, "0.00");

  // A cash sale to the newcomer makes a returning customer of them.
  ask<CashPayResponse>(cash("T2", "120.00", "9000000001"));
  const auto returning = ask<LoyaltyResponse>(AuthCustome::loyalty("9000000001", "T1"));
  EXPECT_EQ(returning.loyaltyDetail.value_or(LoyaltyDetail{}).customer, "repeat");
  EXPECT_EQ(returning.loyaltyDetail.value_or(LoyaltyDetail{}).spend30, "120.00");

  EXPECT_EQ(ask<GetCustomerResponse>(AuthCustome::getCustomer("98765", "T1")).status, "Failed");
  EXPECT_EQ(ask<LoyaltyResponse>(AuthCustome::loyalty("9876543210", "T9")).status, "Failed");
}

TEST_F(SandboxBankTest, ChecksUpiIds) {
  struct Case {
    std::string upiId, tid, status, code;
  };
  for (const auto& c : std::vector<Case>{{"priya@okkassio", "T1", "Success", "S101"},
                                         {"PRIYA@OkKassio", "T1", "Success", "S101"},
                                         {"someone@okkassio", "T1", "Failed", "U17"},
                                         {"not a upi id", "T1", "Failed", "U16"},
                                         {"priya@okkassio", "T2", "Failed", "P101"}}) {  // no UPI collect on T2
    const auto answer = ask<SimpleAPIResponse>(AuthCustome::upiCheck(c.upiId, c.tid));
    EXPECT_EQ(answer.status, c.status) << c.upiId << " on " << c.tid;
    EXPECT_EQ(answer.statusCode, c.code) << c.upiId << " on " << c.tid;
  }
}

TEST_F(SandboxBankTest, OffersFollowAmountTerminalAndRule) {
  auto offers = [&](std::vector<std::string> tids, const std::string& paise) {
    const auto answer = ask<PaymentCustomOfferDetails>(AuthCustome::oarCustomOfferBannerInfoV1("9876543210", tids, paise));
    EXPECT_EQ(answer.error, false);
    std::map<std::int64_t, std::pair<std::int64_t, std::int64_t>> found;  // id -> discount, payable
    for (const auto& offer : answer.data.value_or(OfferData{}).eligibleOffers.value_or(std::vector<EligibleOffer>{}))
      found[offer.offerID.value_or(0)] = {offer.offerAmount.value_or(-1), offer.amountPayable.value_or(-1)};
    return found;
  };
  using Found = std::map<std::int64_t, std::pair<std::int64_t, std::int64_t>>;
  // 10% capped at 50.00; flat 25.00 from 300.00 up; 2.5% (hundredths of a percent) uncapped.
  EXPECT_EQ(offers({"T1"}, "30000"), (Found{{701, {3000, 27000}}, {702, {2500, 27500}}, {703, {750, 29250}}}));
  EXPECT_EQ(offers({"T1"}, "100000"), (Found{{701, {5000, 95000}}, {702, {2500, 97500}}, {703, {2500, 97500}}}));
  // T2 is not in offer 701's terminals; 200.00 is below offer 702's minimum.
  EXPECT_EQ(offers({"T2"}, "20000"), (Found{{703, {500, 19500}}}));
  EXPECT_EQ(offers({"T9"}, "30000"), Found{});

  const auto forPriya = ask<PaymentCustomOfferDetails>(AuthCustome::oarCustomOfferBannerInfoV1("9876543210", {"T1"}, "30000"));
  EXPECT_EQ(forPriya.data.value_or(OfferData{}).custID, 40001);
  const auto first = forPriya.data.value_or(OfferData{}).eligibleOffers.value_or(std::vector<EligibleOffer>{}).at(0);
  EXPECT_EQ(first.terminalIds, std::vector<std::string>{"T1"});
  EXPECT_EQ(first.paymentModes, (std::vector<std::string>{"BharatQR", "Cash"}));
  EXPECT_EQ(ask<PaymentCustomOfferDetails>(AuthCustome::oarCustomOfferBannerInfoV1("9876543210", {"T1"}, "300.00")).error,
            true);
}

TEST_F(SandboxBankTest, RedemptionIsCreatedReadBackAndUsedOnce) {
  const auto created = ask<AddOfferRedemption>(
      AuthCustome::oarAddOfferRedeem("701", "T1", "40001", "3000", "27000", "InProgress", "Cash"));
  ASSERT_EQ(created.error, false) << created.message.value_or("");
  ASSERT_TRUE(created.data && created.data->id);
  const std::string id = std::to_string(*created.data->id);
  EXPECT_EQ(created.data->transactionAmount, 27000);
  EXPECT_EQ(created.data->customerID, 40001);

  const auto details = ask<CustomOfferDetails>(AuthCustome::oarOfferRedemptionData(id));
  ASSERT_EQ(details.data.value_or(std::vector<CustomOfferData>{}).size(), 1u);
  const auto& shown = details.data->front();
  EXPECT_EQ(shown.offerName, "Ten percent");
  EXPECT_EQ(shown.offerAmount, 3000.0);
  EXPECT_EQ(shown.transactionAmount, 27000.0);
  EXPECT_EQ(shown.banner.value_or(BannerData{}).bannerImage.value_or(BannerFrameClass{}).fileURL,
            "https://cdn.example/701.png");

  // Amounts that are not the offer's, and modes or terminals it does not cover, create nothing.
  for (const auto& refused : {AuthCustome::oarAddOfferRedeem("701", "T1", "40001", "4000", "26000", "InProgress", "Cash"),
                              AuthCustome::oarAddOfferRedeem("701", "T1", "40001", "3000", "27000", "InProgress", "SMS Pay"),
                              AuthCustome::oarAddOfferRedeem("701", "T2", "40001", "3000", "27000", "InProgress", "Cash"),
                              AuthCustome::oarAddOfferRedeem("799", "T1", "40001", "3000", "27000", "InProgress", "Cash")})
    EXPECT_EQ(ask<AddOfferRedemption>(refused).error, true) << refused.json();
  EXPECT_EQ(ask<CustomOfferDetails>(AuthCustome::oarOfferRedemptionData(std::to_string(std::stoll(id) + 1))).code, "404");

  const auto paid = ask<CashPayResponse>(cash("T1", "270.00", "9876543210", id));
  ASSERT_EQ(paid.status, "Success") << paid.statusMessage.value_or("");
  const auto entries = statement();
  ASSERT_FALSE(entries.empty());
  EXPECT_EQ(entries.front().txnid, paid.mTxnid);
  EXPECT_EQ(entries.front().redemptionList, std::vector<std::string>{id});
  EXPECT_EQ(ask<CashPayResponse>(cash("T1", "270.00", "9876543210", id)).statusCode, UPICollectStatusCode::invalidRequest);
}

TEST_F(SandboxBankTest, PayLaterDrawsOnTheCustomersLimit) {
  auto payLater = [&](const std::string& mobile, const std::string& amount, const std::string& name, bool isNew) {
    return ask<AddPayLaterTxnResponse>(
        AuthCustome::addPayLaterTxn(mobile, "T1", amount, "Aundh", name, "Groceries", "1", isNew));
  };
  const auto first = payLater("9876543210", "600.00", "", false);
  EXPECT_EQ(first.status, "Success") << first.respMsg.value_or("");
  EXPECT_EQ(first.customerID, "40001");
  EXPECT_EQ(ask<GetCustomerResponse>(AuthCustome::getCustomer("9876543210", "T1")).payLaterBalance, "100.00");
  EXPECT_EQ(payLater("9876543210", "200.00", "", false).errorCode, "L117");

  // A new customer is registered on the first purchase, within the limit for new customers.
  EXPECT_EQ(payLater("9000000002", "100.00", "Ravi Patil", false).errorCode, "L114");
  EXPECT_EQ(payLater("9000000002", "600.00", "Ravi Patil", true).errorCode, "L117");
  EXPECT_EQ(payLater("9000000002", "100.00", "", true).errorCode, "L116");
  const auto registered = payLater("9000000002", "100.00", "Ravi Patil", true);
  EXPECT_EQ(registered.status, "Success") << registered.respMsg.value_or("");
  EXPECT_EQ(registered.customerID, "40002");
  EXPECT_EQ(payLater("9000000002", "50.00", "Ravi Patil", true).errorCode, "L115");
  const auto ravi = ask<GetCustomerResponse>(AuthCustome::getCustomer("9000000002", "T1"));
  EXPECT_EQ(ravi.status, "Success");
  EXPECT_EQ(ravi.payLaterBalance, "400.00");

  const auto today = salesOn("T1");
  EXPECT_EQ(today.plCount, 2);
  EXPECT_DOUBLE_EQ(today.plAmount, 700.0);
  EXPECT_EQ(today.saleCount, 0);
  EXPECT_DOUBLE_EQ(today.totalAmount, 700.0);
}

TEST_F(SandboxBankTest, CardPaymentCompletesWithinItsSession) {
  auto card = [&](const std::string& status, const std::string& r1, const std::string& r2, const std::string& txnId) {
    return ask<CashPayResponse>(
        AuthCustome::handleCardTxnData("1500.00", "T1", "Dinner", "9876543210", "1", status, r1, r2, txnId));
  };
  EXPECT_EQ(ask<CashPayResponse>(AuthCustome::validateCardTxnSession()).statusCode, UPICollectStatusCode::sessionExpired);
  const auto started = card("Initiated", "", "", "");
  ASSERT_EQ(started.status, "Success");
  ASSERT_TRUE(started.mTxnid);
  const auto session = ask<CashPayResponse>(AuthCustome::validateCardTxnSession());
  EXPECT_EQ(session.status, "Success");
  EXPECT_EQ(session.mTxnid, started.mTxnid);
  EXPECT_TRUE(statement().empty());  // not a sale until it completes

  const auto done = card("", "482913", "771204", *started.mTxnid);
  EXPECT_EQ(done.statusCode, UPICollectStatusCode::success);
  const auto entries = statement();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].txnid, started.mTxnid);
  EXPECT_EQ(entries[0].paymentType, PaymentType::Cards);
  EXPECT_EQ(entries[0].issuerRefNo, "482913");
  EXPECT_EQ(entries[0].customerMobile, "9876543210");
  EXPECT_EQ(card("", "482913", "771204", *started.mTxnid).status, "Failed");  // completes once

  // A payment left too long loses its session and fails.
  const auto late = card("Initiated", "", "", "");
  now = now.addingTimeInterval(301);
  EXPECT_EQ(ask<CashPayResponse>(AuthCustome::validateCardTxnSession()).status, "Failed");
  EXPECT_EQ(card("", "100001", "100002", *late.mTxnid).statusCode, UPICollectStatusCode::sessionExpired);
  EXPECT_EQ(statement({"SaleFailed"}).size(), 1u);
}

TEST_F(SandboxBankTest, SalesAndStatementComeFromTheBooks) {
  EXPECT_EQ(salesOn("T1").saleCount, 0);
  EXPECT_DOUBLE_EQ(salesOn("T1", "2026-12-10").saleAmount, 400.0);

  const auto paid = ask<CashPayResponse>(cash("T1", "250.00", "9876543210"));
  ASSERT_EQ(paid.status, "Success");
  ask<LinkPayResponse>(AuthCustome::LinkPay("T1", "99.00", "Later", "9876543210", "20261211T103000", "1", "", ""));
  const auto today = salesOn("T1");
  EXPECT_EQ(today.saleCount, 1);  // the link is not paid yet
  EXPECT_DOUBLE_EQ(today.saleAmount, 250.0);
  EXPECT_EQ(today.mid, "M1");
  EXPECT_EQ(today.tid, "T1");
  EXPECT_EQ(salesOn("T2").totalCount, 0);

  const auto entries = statement();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].txnid, paid.mTxnid);
  EXPECT_EQ(entries[0].amount, "250.00");
  EXPECT_EQ(entries[0].paymentType, PaymentType::Cash);
  EXPECT_EQ(entries[0].status, TxnState::SaleSuccess);
  EXPECT_EQ(entries[0].requestTime, "11-12-2026 10:30:00");
  EXPECT_EQ(entries[0].customerName, "Priya Sharma");
  EXPECT_EQ(statement({"InProgress"}).size(), 1u);

  // An open range reads the latest successes of every day, newest first, up to the count.
  const auto latest = statement({"SaleSuccess"}, "", "", "3");
  ASSERT_EQ(latest.size(), 3u);
  EXPECT_EQ(latest[0].txnid, paid.mTxnid);
  EXPECT_EQ(latest[1].amount, "400.00");
  EXPECT_EQ(latest[2].subType, "PayLater");
  EXPECT_FALSE(latest[2].paymentType);
  EXPECT_EQ(statement({"SaleSuccess"}, "2026-11-01 00:00:00", "2026-11-30 23:59:59").size(), 1u);  // 250.50 on 21 Nov

  const auto unreadable = ask<MiniStatementResponse>(
      AuthCustome::miniStateMent({"T1"}, "terminal", {"SaleSuccess"}, "miniStatement", "3", "yesterday", ""));
  EXPECT_EQ(unreadable.status, "Failed");
}

TEST_F(SandboxBankTest, DeclinedAndMalformedRequestsRecordNothing) {
  for (const auto& declined :
       {cash("T9", "100.00"), cash("T1", "12.345"), cash("T1", "0"), cash("T1", "-5"), cash("T1", "1e3"),
        cash("T1", "100.00", "12345"), cash("T1", "100.00", "", "99"),
        AuthCustome::LinkPay("T2", "100.00", "", "9876543210", "", "1", "", ""),  // no SMS pay on T2
        AuthCustome::LinkPay("T1", "100.00", "", "", "", "1", "", ""),            // a link needs a number
        AuthCustome::handleCardTxnData("100.00", "T2", "", "", "1", "Initiated", "", "", "")}) {
    const auto reply = bank->handle(declined);
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(jsonOf(reply)["status"], "Failed") << declined.json();
  }

  struct Malformed {
    std::string caseName;
    std::string body;
  };
  for (const auto& malformed : std::vector<Malformed>{
           {"cashPay", R"({"terminalId":"T1","amount":"100.00"})"},  // members missing
           {"cashPay", R"({"terminalId":"T1","amount":100,"description":"","timestamp":"","payLaterCustomerId":"",
                          "mobileNumber":"","offerRedemptionId":""})"},  // an amount that is no text
           {"addPayLaterTxn", R"({"mobileNumber":"9876543210","terminalId":"T1","amount":"10","address":"","name":"",
                                 "description":"","flag":"1","isNewCustomer":"false"})"},
           {"miniStateMent", R"({"terminalIds":"T1","filterType":"terminal","transactionStates":[],
                                "requestType":"miniStatement","count":"3","startDate":"","endDate":""})"},
           {"cashPay", R"(["T1","100.00"])"},
           {"refund", R"({})"}}) {
    const auto reply = bank->handle(malformed.caseName, *platform::parseJson(malformed.body));
    EXPECT_EQ(reply.status, 400) << malformed.body;
    EXPECT_EQ(jsonOf(reply)["status"], "Failed");
    EXPECT_TRUE(jsonOf(reply)["respMsg"].is_string());
  }
  EXPECT_EQ(salesOn("T1").totalCount, 0);
  EXPECT_EQ(salesOn("T2").totalCount, 0);
  EXPECT_TRUE(statement({"SaleSuccess", "InProgress", "Initiated"}).empty());
}

TEST_F(SandboxBankTest, IdempotencyKeyAnswersOnce) {
  const auto request = cash("T1", "80.00", "9876543210");
  const auto body = wireBody(request);
  const auto first = bank->handle("cashPay", body, "7A1C7F0E-4B7E-4C55-9A57-3B8C3E0C2D11");
  const auto again = bank->handle("cashPay", body, "7A1C7F0E-4B7E-4C55-9A57-3B8C3E0C2D11");
  EXPECT_EQ(jsonOf(first)["status"], "Success");
  EXPECT_EQ(again, first);
  EXPECT_EQ(salesOn("T1").saleCount, 1);

  auto other = body;
  other["amount"] = "90.00";
  EXPECT_EQ(bank->handle("cashPay", other, "7A1C7F0E-4B7E-4C55-9A57-3B8C3E0C2D11").status, 422);
  EXPECT_EQ(salesOn("T1").saleCount, 1);
  // Without a key, or with a new one, it is a new payment.
  bank->handle("cashPay", body, "0D6E3C55-88B1-4F0B-8E0A-2C5D1E7F9A42");
  bank->handle("cashPay", body);
  EXPECT_EQ(salesOn("T1").saleCount, 3);
}

// A redemption pays once, on the terminal and mode it was made for, for the amount left to pay.
TEST_F(SandboxBankTest, RedemptionPaysOnlyForWhatItWasMadeFor) {
  const auto created = ask<AddOfferRedemption>(
      AuthCustome::oarAddOfferRedeem("701", "T1", "40001", "3000", "27000", "InProgress", "BharatQR"));
  ASSERT_TRUE(created.data && created.data->id) << created.message.value_or("");
  const std::string id = std::to_string(*created.data->id);
  auto qr = [&](const std::string& tid, const std::string& amount) {
    return AuthCustome::QRPay(tid, amount, "Dinner", "", "20261211T103000", "1", "", id);
  };
  for (const auto& misuse : {cash("T1", "270.00", "", id),  // made for a QR payment
                             qr("T1", "1.00"), qr("T1", "300.00"), qr("T2", "270.00")}) {
    const auto reply = bank->handle(misuse);
    ASSERT_EQ(reply.status, 200) << misuse.json();
    const auto body = jsonOf(reply);
    EXPECT_EQ(body["status"], "Failed") << misuse.json();
    // The bank's own decline code: the QR error body and the cash record both carry P101.
    EXPECT_EQ(misuse.kind == AuthCustomeCase::cashPay ? body["statusCode"] : body["errorCode"], "P101") << bodyText(reply);
  }
  EXPECT_TRUE(statement({"SaleSuccess", "InProgress"}).empty());

  ASSERT_EQ(bank->handle(qr("T1", "270.00")).contentType, pngContentType);
  const auto reused = bank->handle(qr("T1", "270.00"));
  EXPECT_EQ(jsonOf(reused)["status"], "Failed");
  EXPECT_EQ(jsonOf(reused)["errorCode"], "P101");
  const auto recorded = statement({"InProgress"});
  ASSERT_EQ(recorded.size(), 1u);
  EXPECT_EQ(recorded.front().redemptionList, std::vector<std::string>{id});
}

// Answers about a customer, declines included, never repeat the number or UPI address asked about.
TEST_F(SandboxBankTest, MessagesDoNotRepeatTheCustomersNumberOrUpiId) {
  const std::vector<std::string> secrets{"9876543210", "9123456789", "98765x", "priya@okkassio", "ravi@okkassio",
                                         "no address"};
  for (const auto& request : {
           AuthCustome::LinkPay("T1", "99.00", "", "9876543210", "", "1", "", ""),
           AuthCustome::LinkPay("T1", "99.00", "", "98765x", "", "1", "", ""),
           cash("T1", "10.00", "98765x"),
           AuthCustome::handleCardTxnData("10.00", "T1", "", "98765x", "1", "", "", "", ""),
           AuthCustome::getCustomer("9123456789", "T1"),
           AuthCustome::getCustomer("98765x", "T1"),
           AuthCustome::loyalty("98765x", "T1"),
           AuthCustome::addPayLaterTxn("9123456789", "T1", "10.00", "", "", "", "1", false),
           AuthCustome::addPayLaterTxn("9876543210", "T1", "10.00", "", "Priya", "", "1", true),
           AuthCustome::addPayLaterTxn("98765x", "T1", "10.00", "", "", "", "1", false),
           AuthCustome::upiCheck("priya@okkassio", "T1"),
           AuthCustome::upiCheck("ravi@okkassio", "T1"),
           AuthCustome::upiCheck("no address", "T1"),
       }) {
    const auto body = jsonOf(bank->handle(request));
    for (const char* key : {"respMsg", "message", "statusMessage"}) {
      if (!body.contains(key)) continue;
      const auto text = body[key].get<std::string>();
      for (const auto& secret : secrets) EXPECT_EQ(text.find(secret), std::string::npos) << request.json() << ": " << text;
    }
  }
}

TEST_F(SandboxBankTest, IdempotencyKeyIsForgottenAfterADay) {
  const std::string key = "5B0F2C1A-3D4E-4F60-8A7B-9C0D1E2F3A4B";
  const auto body = wireBody(cash("T1", "80.00"));
  const auto first = bank->handle("cashPay", body, key);
  now = now.addingTimeInterval(24 * 3600 - 1);
  EXPECT_EQ(bank->handle("cashPay", body, key), first);  // still remembered
  EXPECT_EQ(salesOn("T1").saleCount, 1);

  now = now.addingTimeInterval(2);
  auto other = body;
  other["amount"] = "90.00";
  const auto afterADay = bank->handle("cashPay", other, key);
  EXPECT_EQ(afterADay.status, 200);  // no longer a reuse: a new payment
  EXPECT_EQ(jsonOf(afterADay)["status"], "Success");
  EXPECT_EQ(salesOn("T1", "2026-12-12").saleCount, 1);
}

TEST_F(SandboxBankTest, QrPayAnswersAScannableUpiLinkAndAwaitsPayment) {
  const auto reply = bank->handle(AuthCustome::QRPay("T1", "250.00", "Lunch for two", "9876543210", "20261211T103000",
                                                     "1", "", ""));
  ASSERT_EQ(reply.status, 200);
  EXPECT_EQ(reply.contentType, "image/png");
  const auto pending = statement({"InProgress"});
  ASSERT_EQ(pending.size(), 1u);
  EXPECT_EQ(pending[0].paymentType, PaymentType::BharatQR);
  const auto scanned = scanQrCode(reply.body);
  ASSERT_TRUE(scanned) << "zbarimg read no QR code";
  EXPECT_EQ(*scanned, "upi://pay?pa=acme.t1@kassiobank&pn=Acme%20Foods&tr=" + pending[0].txnid.value_or("") +
                          "&tn=Lunch%20for%20two&am=250.00&cu=INR");

  const auto declined = bank->handle(AuthCustome::QRPay("T9", "250.00", "", "", "", "1", "", ""));
  EXPECT_EQ(declined.contentType, "application/json");
  EXPECT_EQ(jsonOf(declined)["status"], "Failed");
  EXPECT_EQ(statement({"InProgress"}).size(), 1u);
}

TEST_F(SandboxBankTest, BannerFeedLeavesOutBannersNotStartedAndProvisioningAnswersAuthbase) {
  const auto feed = ask<BannersResponse>(AuthCustome::bannerList());
  EXPECT_EQ(feed.status, "Success");
  ASSERT_EQ(feed.bannerList.value_or(std::vector<BannerList>{}).size(), 1u);
  const auto& banners = feed.bannerList->front().bannerData.value_or(std::vector<BannerDatum>{});
  ASSERT_EQ(banners.size(), 1u);
  EXPECT_EQ(banners[0].bannerTitle, "Running");

  const auto t1 = bank->authMPosData("T1");
  ASSERT_TRUE(t1);
  EXPECT_TRUE(t1->cardPaymentEnabled && t1->payLaterPaymentEnabled && t1->instaEnabled);
  const auto t2 = bank->authMPosData("T2");
  ASSERT_TRUE(t2);
  EXPECT_TRUE(t2->cashPaymentEnabled && t2->bharatQrPaymentEnabled);
  EXPECT_FALSE(t2->cardPaymentEnabled || t2->smsPayPaymentEnabled || t2->payLaterPaymentEnabled);
  EXPECT_FALSE(bank->authMPosData("T9"));
}

TEST(SandboxBankStore, FileStoreKeepsItsBooksAndIsSeededOnce) {
  const auto path = std::filesystem::temp_directory_path() / "kassio-sandbox-store-test.db";
  std::filesystem::remove(path);
  const platform::Date now = indiaTime("2026-12-11 10:30:00");
  auto sales = [](SandboxBank& bank, const std::string& day) {
    const auto answer = decoded<SalesCounterDataResponse>(
        bank.handle(AuthCustome::paymentSalesCardVelbank({"T1"}, "1", day, day)));
    return answer.value_or(SalesCounterDataResponse{}).saleCounterList.value_or(std::vector<SalesCounterListData>(1)).at(0);
  };
  {
    auto bank = SandboxBank::open(testSeed(), path.string(), [&] { return now; });
    ASSERT_TRUE(bank);
    bank->handle(AuthCustome::cashPay("T1", "75.00", "", "", "", "", ""));
  }
  auto reopened = SandboxBank::open(testSeed(), path.string(), [&] { return now; });
  ASSERT_TRUE(reopened);
  EXPECT_EQ(sales(*reopened, "2026-12-11").saleCount, 1);
  EXPECT_DOUBLE_EQ(sales(*reopened, "2026-12-10").saleAmount, 400.0);  // the seed went in once
  reopened.reset();
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path.string() + suffix);
}

// The answers kept for idempotency keys hold the request as a digest: no customer's number.
TEST(SandboxBankStore, IdempotencyRowsHoldNoMobileNumber) {
  const auto path = std::filesystem::temp_directory_path() / "kassio-sandbox-idempotency-test.db";
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path.string() + suffix);
  const platform::Date now = indiaTime("2026-12-11 10:30:00");
  auto bank = SandboxBank::open(testSeed(), path.string(), [&] { return now; });
  ASSERT_TRUE(bank);
  const auto link = AuthCustome::LinkPay("T1", "99.00", "Later", "9876543210", "20261211T103000", "1", "", "");
  const auto pay = AuthCustome::addPayLaterTxn("9876543210", "T1", "10.00", "", "", "", "1", false);
  ASSERT_EQ(jsonOf(bank->handle("LinkPay", wireBody(link), "key-1"))["status"], "Success");
  ASSERT_EQ(jsonOf(bank->handle("addPayLaterTxn", wireBody(pay), "key-2"))["status"], "Success");

  auto db = host::SqliteDatabase::open(path.string());
  ASSERT_TRUE(db);
  auto& rows = db->statement(
      "SELECT key || '|' || request_digest || '|' || content_type || '|' || CAST(body AS TEXT), request_digest "
      "FROM idempotency_keys");
  int count = 0;
  while (rows.step()) {
    ++count;
    EXPECT_EQ(rows.text(0).find("9876543210"), std::string::npos) << rows.text(0);
    EXPECT_EQ(rows.text(1).size(), 64u);  // SHA-256 in hex
  }
  EXPECT_EQ(count, 2);
  rows.reset();
  db.reset();
  bank.reset();
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path.string() + suffix);
}

TEST(SandboxBankSeed, RefusesSeedsThatContradictThemselves) {
  for (const char* seed : {
           R"({"terminals":[{"tid":"T1"},{"tid":"T1"}]})",
           R"({"terminals":[{"tid":"T1","enabled":["teleport"]}]})",
           R"({"terminals":[{"tid":"T1"}],"transactions":[{"tid":"T2","paymentType":"Cash","amount":"1","time":"10:00:00"}]})",
           R"({"terminals":[{"tid":"T1"}],"transactions":[{"tid":"T1","paymentType":"Barter","amount":"1","time":"10:00:00"}]})",
           R"({"terminals":[{"tid":"T1"}],"transactions":[{"tid":"T1","paymentType":"Cash","amount":"1","time":"25:00:00"}]})",
           R"({"customers":[{"mobileNumber":"12345","plCustID":1}]})",
           R"({"offers":[{"offerId":1}]})",
           R"({"terminals":"T1"})"}) {
    std::string error;
    EXPECT_FALSE(SandboxBank::open(*platform::parseJson(seed), ":memory:", SandboxBank::wallClock(), &error)) << seed;
    EXPECT_FALSE(error.empty());
  }
  EXPECT_TRUE(SandboxBank::open(platform::JsonValue(), ":memory:", SandboxBank::wallClock()));
}

// The demo merchant's bank provisions exactly what its terminal list says each terminal may
// take, for the terminals of its outlet tree.
TEST(SandboxBankSeed, DemoFixtureBankAgreesWithItsTerminalList) {
  std::ifstream file(KASSIO_SOURCE_DIR "/fixtures/demo-merchant.json");
  const auto fixture = platform::parseJson(std::string(std::istreambuf_iterator<char>(file), {}));
  ASSERT_TRUE(fixture);
  std::string error;
  auto bank = SandboxBank::open(fixture->at("bank"), ":memory:", SandboxBank::wallClock(), &error);
  ASSERT_TRUE(bank) << error;
  const auto list = platform::decodeJson<GetUserTerminalListResponse>(fixture->at("terminalInfoData"));
  ASSERT_TRUE(list);
  const auto tree = platform::decodeJson<MainFilterData>(fixture->at("filterData"));
  ASSERT_TRUE(tree);
  std::set<std::string> treeTids;
  for (const auto& cid : tree->cids)
    for (const auto& brand : cid.brandList)
      for (const auto& city : brand.cities)
        for (const auto& outlet : city.outlates)
          for (const auto& mid : outlet.mids)
            for (const auto& tid : mid.tids) treeTids.insert(tid.tidNumber);

  std::set<std::string> listTids;
  for (const auto& entry : list->terminals) {
    for (const auto& [tid, info] : entry) {
      listTids.insert(tid);
      const auto data = bank->authMPosData(tid);
      ASSERT_TRUE(data) << tid;
      const auto payments = info.payments.value_or(PaymentsModesData{});
      auto active = [](const auto& mode) { return mode && mode->status == "Active"; };
      bool card = false;
      for (const auto& provider : payments.cards1.value_or(std::vector<CardDataPayments>{}))
        card = card || provider.status == "Active";
      EXPECT_EQ(data->cardPaymentEnabled, card) << tid;
      EXPECT_EQ(data->bharatQrPaymentEnabled, active(payments.qr)) << tid;
      EXPECT_EQ(data->upiCollectPaymentEnabled, active(payments.upi)) << tid;
      EXPECT_EQ(data->cashPaymentEnabled, active(payments.cash)) << tid;
      EXPECT_EQ(data->smsPayPaymentEnabled, active(payments.smsPay)) << tid;
      EXPECT_EQ(data->payLaterPaymentEnabled, active(payments.payLater)) << tid;
      EXPECT_EQ(data->instaEnabled, info.bankProduct.value_or(BankProduct1{}).insta.value_or(false)) << tid;
    }
  }
  EXPECT_EQ(listTids, treeTids);
  for (const auto& terminal : fixture->at("allTids")) EXPECT_TRUE(listTids.count(terminal.at("tid").get<std::string>()));
}

}  // namespace
}  // namespace kassio::sandbox::test
