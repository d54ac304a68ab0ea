#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "kassio/transactions/AuthCustomeRequests.h"
#include "sandbox/BankContext.h"
#include "sandbox/BankReply.h"

namespace kassio::sandbox {

// The requests that take money: cash, payment links, QR codes, pay later and card payments.
// Every payment first passes the checks they share; one that fails them records nothing.
class PaymentDesk {
 public:
  explicit PaymentDesk(BankContext& bank) : bank_(bank) {}

  BankReply cashPay(const CashPayRequest& request);
  BankReply linkPay(const CollectRequest& request);
  // The answer is the QR code itself: a UPI payment link for this transaction.
  BankReply qrPay(const CollectRequest& request);
  BankReply addPayLaterTxn(const PayLaterRequest& request);
  // Without a transaction id a card payment starts; with one it completes.
  BankReply handleCardTxnData(const CardTxnRequest& request);
  // Whether a card payment was started recently enough to complete.
  BankReply validateCardTxnSession();

 private:
  // Why a payment was turned down, with the code the answer carries.
  struct Decline {
    std::string message;
    std::string code;
  };
  // What a payment needs: the terminal, its mode as offers name it, the amount, the customer's
  // number and the offer redemption it uses.
  struct Payment {
    std::string_view capability;  // the terminal's provisioning name ("cash")
    std::string_view offerMode;   // the mode a redemption names ("Cash")
    const std::string& tid;
    const std::string& amount;
    const std::string& mobile;
    bool mobileRequired = false;
    std::string redemptionId;
  };
  // A payment that passed the checks.
  struct Charge {
    const SeedTerminal* terminal = nullptr;
    std::int64_t paise = 0;
    std::optional<BankStore::Redemption> redemption;
  };

  std::optional<Decline> check(const Payment& payment, Charge& charge);
  std::optional<Decline> startCollect(const CollectRequest& request, std::string_view capability,
                                      std::string_view offerMode, bool mobileRequired, std::string_view kind,
                                      Charge& charge, BankStore::Transaction& txn);
  // Binds the redemption to the transaction, so that it cannot pay for another.
  void useRedemption(Charge& charge, BankStore::Transaction& txn);

  BankContext& bank_;
};

}  // namespace kassio::sandbox
