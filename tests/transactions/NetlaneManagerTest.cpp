#include <gtest/gtest.h>

#include <optional>
#include <thread>

#include "kassio/transactions/CashPayResponse.h"
#include "kassio/transactions/NetlaneManager.h"
#include "transactions/NetlaneFixture.h"

namespace kassio {
namespace {

using ScriptedNetlaneTest = NetlaneTest;

struct DecodedReply {
  int calls = 0;
  std::optional<CashPayResponse> record;
};

std::function<void(std::optional<CashPayResponse>)> recordInto(DecodedReply& reply) {
  return [&reply](std::optional<CashPayResponse> record) {
    ++reply.calls;
    reply.record = std::move(record);
  };
}

TEST_F(ScriptedNetlaneTest, RepliesArriveOnTheMainLoopNeverInsideTheCall) {
  netlane->replyJson(AuthCustomeCase::cashPay, json(R"({"status":"Success"})"));
  DecodedReply reply;
  netlane->callAPIService<CashPayResponse>(true, AuthCustome::validateCardTxnSession(), recordInto(reply));
  netlane->callAPIService<CashPayResponse>(true, AuthCustome::cashPay("T1", "1", "", "", "", "", ""),
                                           recordInto(reply));
  EXPECT_EQ(reply.calls, 0);
  loop->runDue();
  ASSERT_EQ(reply.calls, 1);  // validateCardTxnSession had nothing queued: no reply at all
  ASSERT_TRUE(reply.record);
  EXPECT_EQ(reply.record->status, "Success");
  EXPECT_EQ(netlane->requests().size(), 2u);
  EXPECT_EQ(netlane->showLoaderFlags(), (std::vector<bool>{true, true}));
}

TEST_F(ScriptedNetlaneTest, RepliesQueuePerCaseFirstInFirstOut) {
  netlane->replyJson(AuthCustomeCase::cashPay, json(R"({"status":"first"})"));
  netlane->replyJson(AuthCustomeCase::LinkPay, json(R"({"status":"link"})"));
  netlane->replyJson(AuthCustomeCase::cashPay, json(R"({"status":"second"})"));
  std::vector<std::string> statuses;
  auto collect = [&](std::optional<CashPayResponse> record) { statuses.push_back(record ? *record->status : "-"); };
  for (int i = 0; i < 3; ++i) {
    netlane->callAPIService<CashPayResponse>(true, AuthCustome::cashPay("", "", "", "", "", "", ""), collect);
  }
  loop->runDue();
  EXPECT_EQ(statuses, (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(netlane->pendingReplies(AuthCustomeCase::LinkPay), 1u);
  EXPECT_EQ(netlane->pendingReplies(AuthCustomeCase::cashPay), 0u);
}

TEST_F(ScriptedNetlaneTest, DecodedFormGivesNoneForFailuresAndBodiesThatDoNotDecode) {
  const auto request = AuthCustome::cashPay("", "", "", "", "", "", "");
  netlane->replyFailure(AuthCustomeCase::cashPay);
  netlane->replyBody(AuthCustomeCase::cashPay, bytes("not json"));
  netlane->replyBody(AuthCustomeCase::cashPay, {});
  netlane->replyJson(AuthCustomeCase::cashPay, json(R"({"status":7})"));
  netlane->reply(AuthCustomeCase::cashPay, {bytes(R"({"status":"ok"})"), std::nullopt, "timed out"});
  for (int i = 0; i < 5; ++i) {
    DecodedReply reply;
    netlane->callAPIService<CashPayResponse>(true, request, recordInto(reply));
    loop->runDue();
    EXPECT_EQ(reply.calls, 1) << i;
    EXPECT_FALSE(reply.record) << i;
  }
}

TEST_F(ScriptedNetlaneTest, RawFormHandsOverBodyResponseAndError) {
  netlane->replyBody(AuthCustomeCase::QRPay, bytes("PNG"));
  netlane->replyFailure(AuthCustomeCase::QRPay, "offline");
  std::vector<NetlaneManager::Reply> replies;
  auto collect = [&](std::optional<NetlaneManager::Body> data, std::optional<HttpResponseInfo> response,
                     std::optional<std::string> error) {
    replies.push_back({data, response, error});
  };
  const auto request = AuthCustome::QRPay("T1", "1", "", "", "", "1", "", "");
  netlane->callAPIService(true, request, collect);
  netlane->callAPIService(true, request, collect);
  loop->runDue();
  ASSERT_EQ(replies.size(), 2u);
  EXPECT_EQ(replies[0].data, bytes("PNG"));
  EXPECT_EQ(replies[0].response->statusCode, 200);
  EXPECT_FALSE(replies[0].error);
  EXPECT_FALSE(replies[1].data);
  EXPECT_FALSE(replies[1].response);
  EXPECT_EQ(replies[1].error, "offline");
}

TEST_F(ScriptedNetlaneTest, UnscriptedRequestsGoToTheFallbackWhoseRepliesMayComeFromAnotherThread) {
  NetlaneManager::ReplyHandler pending;
  netlane->unscripted = [&](bool isShowLoader, const AuthCustome& type, NetlaneManager::ReplyHandler reply) {
    EXPECT_TRUE(isShowLoader);
    EXPECT_EQ(type.kind, AuthCustomeCase::cashPay);
    pending = std::move(reply);
  };
  DecodedReply reply;
  netlane->callAPIService<CashPayResponse>(true, AuthCustome::cashPay("", "", "", "", "", "", ""), recordInto(reply));
  ASSERT_TRUE(pending);
  std::thread worker([&] { pending({bytes(R"({"mTxnid":"M1"})"), HttpResponseInfo{}, std::nullopt}); });
  worker.join();
  EXPECT_EQ(reply.calls, 0);
  loop->runDue();
  ASSERT_EQ(reply.calls, 1);
  EXPECT_EQ(reply.record->mTxnid, "M1");
}

TEST_F(ScriptedNetlaneTest, RequestLogAsJsonAndClearing) {
  netlane->callAPIService<CashPayResponse>(true, AuthCustome::getCustomer("98", "T1"), nullptr);
  netlane->callAPIService<CashPayResponse>(false, AuthCustome::bannerList(), nullptr);
  EXPECT_EQ(netlane->requestsJson(),
            json(R"([{"case":"getCustomer","args":["98","T1"]},{"case":"bannerList","args":[]}])"));
  EXPECT_EQ(netlane->showLoaderFlags(), (std::vector<bool>{true, false}));
  netlane->clearRequests();
  EXPECT_TRUE(netlane->requests().empty());
  EXPECT_TRUE(netlane->showLoaderFlags().empty());
}

}  // namespace
}  // namespace kassio
