#include "kassio/terminals/TerminalListRules.h"

#include <gtest/gtest.h>

namespace kassio {
namespace {

TerminalInfo terminal(std::optional<std::string> tidStatus, std::optional<std::string> roleStatus) {
  TerminalInfo info;
  info.tidStatus = std::move(tidStatus);
  info.roleStatus = std::move(roleStatus);
  info.payments = PaymentsModesData{};
  return info;
}

// Provisioned active for every mode.
TerminalInfo everyMode(std::optional<std::string> tidStatus = "Active", std::optional<std::string> roleStatus = "Active") {
  TerminalInfo info = terminal(std::move(tidStatus), std::move(roleStatus));
  auto& p = *info.payments;
  p.cards1 = std::vector<CardDataPayments>{{"Active", 1, {}, {}, "Ezetap"}};
  p.smsPay = SMSPayData{"active", {}, {}};
  p.cash = CashData{"ACTIVE"};
  p.upi = SMSPayData{"Active", {}, {}};
  p.qr = QrData{};
  p.qr->status = "Active";
  p.payLater = CashData{"Active"};
  return info;
}

std::optional<GetUserTerminalListResponse> listOf(std::vector<std::pair<std::string, TerminalInfo>> entries) {
  GetUserTerminalListResponse list{"success", "ok", "200", {}};
  for (auto& [tid, info] : entries) list.terminals.push_back({{tid, info}});
  return list;
}

using Tids = std::vector<std::string>;

TEST(TerminalGate, StatusesInAnyLetterCase) {
  const struct {
    std::optional<std::string> tidStatus, roleStatus;
    bool passes;
  } cases[] = {
      {"Active", "ACTIVE", true},       {"active", "active", true},     {"inactive", "Pending", true},
      {std::nullopt, "PENDING", true},  {"Active", "Deactivate", false}, {"Deactivate", "Active", false},
      {std::nullopt, "Active", false},  {"Active", std::nullopt, false}, {std::nullopt, std::nullopt, false},
      {"Active ", "Active", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(passesTerminalGate(terminal(c.tidStatus, c.roleStatus)), c.passes)
        << c.tidStatus.value_or("-") << "/" << c.roleStatus.value_or("-");
  }
}

TEST(TerminalsEnabled, ModeRulesBehindTheGate) {
  TerminalInfo noPayments = everyMode();
  noPayments.payments.reset();
  const auto list = listOf({{"T1", everyMode()},
                            {"T2", everyMode("Inactive", "Active")},  // fails the gate
                            {"T3", everyMode("Inactive", "pending")},
                            {"T4", noPayments}});
  const struct {
    std::optional<PaymentModeType> mode;
    Tids tids;
  } cases[] = {
      {PaymentModeType::card, {"T1", "T3"}},   {PaymentModeType::bharatQr, {"T1", "T3"}},
      {PaymentModeType::cash, {"T1", "T3"}},   {PaymentModeType::smsPay, {"T1", "T3"}},
      {PaymentModeType::payLater, {"T1", "T3"}}, {PaymentModeType::upiCollect, {}},
      {PaymentModeType::emi, {}},              {PaymentModeType::emiPlans, {}},
      {PaymentModeType::tapToPhone, {}},       {std::nullopt, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(terminalsEnabled(list, c.mode), c.tids) << (c.mode ? caseName(*c.mode) : "no mode");
  }
}

TEST(TerminalsEnabled, ModeRecordsMustBeActive) {
  TerminalInfo partly = terminal("Active", "Active");
  auto& p = *partly.payments;
  p.cards1 = std::vector<CardDataPayments>{{"Active", 1, {}, {}, "A"}, {"Inactive", 2, {}, {}, "B"},
                                           {std::nullopt, 3, {}, {}, "C"}, {"active", 4, {}, {}, "D"}};
  p.qr = QrData{};  // no status
  p.cash = CashData{"Inactive"};
  p.upi = SMSPayData{"Active", {}, {}};  // nothing reads UPI
  const auto list = listOf({{"T1", partly}});
  EXPECT_EQ(terminalsEnabled(list, PaymentModeType::card), (Tids{"T1", "T1"}));  // once per active provider
  EXPECT_EQ(terminalsEnabled(list, PaymentModeType::bharatQr), Tids{});
  EXPECT_EQ(terminalsEnabled(list, PaymentModeType::cash), Tids{});
  EXPECT_EQ(terminalsEnabled(list, PaymentModeType::smsPay), Tids{});
  EXPECT_EQ(terminalsEnabled(list, PaymentModeType::upiCollect), Tids{});
}

TEST(TerminalsWithStaticQR, OnlyAStaticQrStatusOfZeroRefuses) {
  TerminalInfo one = terminal("Inactive", "Deactivate"), zero = one, unset = one, noQr = one, noPayments = one;
  one.payments->qr = QrData{};
  one.payments->qr->staticQRStatus = 1;
  zero.payments->qr = QrData{};
  zero.payments->qr->staticQRStatus = 0;
  unset.payments->qr = QrData{};
  noPayments.payments.reset();
  const auto list = listOf({{"T1", one}, {"T2", zero}, {"T3", unset}, {"T4", noQr}, {"T5", noPayments}});
  EXPECT_EQ(terminalsWithStaticQR(list), (Tids{"T1", "T3", "T4", "T5"}));
}

TEST(Dba, TheLastEntryUnderTheTidWins) {
  TerminalInfo first, second, unnamed;
  first.dba = "Old Name";
  second.dba = "New Name";
  auto list = listOf({{"T1", first}, {"T2", unnamed}, {"T1", second}});
  list->terminals[0].emplace("T3", first);
  EXPECT_EQ(dba(list, "T1"), "New Name");
  EXPECT_EQ(dba(list, "T2"), "");
  EXPECT_EQ(dba(list, "T9"), "");
  const auto names = dbaByTID(list);
  EXPECT_EQ(names.size(), 3u);
  for (const auto& [tid, name] : names) EXPECT_EQ(name, dba(list, tid)) << tid;
}

}  // namespace
}  // namespace kassio
