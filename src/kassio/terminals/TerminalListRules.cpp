#include "kassio/terminals/TerminalListRules.h"

#include "kassio/entry/TextCase.h"

namespace kassio {

namespace {

bool isActive(const std::optional<std::string>& status) { return status && equalsLowercased(*status, "active"); }

template <class Record>
bool isActive(const std::optional<Record>& record) {
  return record && isActive(record->status);
}

template <class Visit>
void forEachTerminal(const std::optional<GetUserTerminalListResponse>& list, Visit visit) {
  if (!list) return;
  for (const auto& terminals : list->terminals) {
    for (const auto& [tid, terminal] : terminals) visit(tid, terminal);
  }
}

}  // namespace

bool passesTerminalGate(const TerminalInfo& terminal) {
  if (terminal.roleStatus && equalsLowercased(*terminal.roleStatus, "pending")) return true;
  return isActive(terminal.tidStatus) && isActive(terminal.roleStatus);
}

std::vector<std::string> terminalsEnabled(const std::optional<GetUserTerminalListResponse>& list,
                                          std::optional<PaymentModeType> mode) {
  std::vector<std::string> tids;
  if (!mode) return tids;
  forEachTerminal(list, [&](const std::string& tid, const TerminalInfo& terminal) {
    if (!terminal.payments || !passesTerminalGate(terminal)) return;
    const PaymentsModesData& payments = *terminal.payments;
    switch (*mode) {
      case PaymentModeType::card:
        if (payments.cards1) {
          for (const auto& card : *payments.cards1) {
            if (isActive(card.status)) tids.push_back(tid);
          }
        }
        return;
      case PaymentModeType::bharatQr:
        if (isActive(payments.qr)) tids.push_back(tid);
        return;
      case PaymentModeType::cash:
        if (isActive(payments.cash)) tids.push_back(tid);
        return;
      case PaymentModeType::smsPay:
        if (isActive(payments.smsPay)) tids.push_back(tid);
        return;
      case PaymentModeType::payLater:
        if (isActive(payments.payLater)) tids.push_back(tid);
        return;
      case PaymentModeType::upiCollect:
      case PaymentModeType::emi:
      case PaymentModeType::emiPlans:
      case PaymentModeType::tapToPhone:
        return;
    }
  });
  return tids;
}

std::vector<std::string> terminalsWithStaticQR(const std::optional<GetUserTerminalListResponse>& list) {
  std::vector<std::string> tids;
  forEachTerminal(list, [&](const std::string& tid, const TerminalInfo& terminal) {
    const bool refused = terminal.payments && terminal.payments->qr && terminal.payments->qr->staticQRStatus == 0;
    if (!refused) tids.push_back(tid);
  });
  return tids;
}

std::string dba(const std::optional<GetUserTerminalListResponse>& list, std::string_view forTID) {
  std::string name;
  forEachTerminal(list, [&](const std::string& tid, const TerminalInfo& terminal) {
    if (tid == forTID) name = terminal.dba.value_or("");
  });
  return name;
}

std::unordered_map<std::string, std::string> dbaByTID(const std::optional<GetUserTerminalListResponse>& list) {
  std::unordered_map<std::string, std::string> names;
  forEachTerminal(list, [&](const std::string& tid, const TerminalInfo& terminal) {
    names.insert_or_assign(tid, terminal.dba.value_or(""));
  });
  return names;
}

}  // namespace kassio
