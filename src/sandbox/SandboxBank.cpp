#include "sandbox/SandboxBank.h"

#include <chrono>
#include <utility>

#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/RunLoop.h"
#include "kassio/transactions/AuthCustomeRequests.h"
#include "kassio/transactions/AuthCustomeWire.h"
#include "sandbox/BankContext.h"
#include "sandbox/BankSeed.h"
#include "sandbox/BankStore.h"
#include "sandbox/BannerDesk.h"
#include "sandbox/CustomerDesk.h"
#include "sandbox/OfferDesk.h"
#include "sandbox/PaymentDesk.h"
#include "sandbox/RequestDigest.h"
#include "sandbox/StatementDesk.h"

namespace kassio::sandbox {

namespace {

// How long the bank remembers the answer given to an idempotency key; a retry comes within
// minutes, and a key older than this is forgotten (its reuse is a new request).
constexpr double idempotencyKeyLifetime = 24 * 3600;

}  // namespace

// Hands each request, read as its case's record, to the desk of its area, and keeps the
// answers given to idempotency keys.
class SandboxBank::Teller {
 public:
  Teller(BankSeed seed, std::unique_ptr<BankStore> store, Clock clock)
      : bank_(std::move(seed), std::move(store), std::move(clock)),
        payments_(bank_),
        customers_(bank_),
        offers_(bank_),
        statements_(bank_),
        banners_(bank_) {}

  void plantSeed() { bank_.plantSeed(); }

  // One request in one store transaction: what fails or throws leaves the books as they were.
  BankReply serve(const AuthCustome& request, const std::string& idempotencyKey) {
    const bool keyed = !idempotencyKey.empty() && changesPayments(request.kind);
    try {
      auto& store = bank_.store();
      auto transaction = store.transaction();
      std::string digest;
      if (keyed) {
        const double now = bank_.now();
        store.forgetRepliesSavedBefore(now - idempotencyKeyLifetime);
        digest = requestDigest(request);
        if (auto saved = store.savedReply(idempotencyKey)) {
          transaction.commit();
          if (saved->requestDigest == digest) return saved->reply;
          return failureReply("This idempotency key was used for another request", 422);
        }
      }
      BankReply reply = answer(request);
      if (keyed) store.save(idempotencyKey, {digest, bank_.now(), reply});
      transaction.commit();
      return reply;
    } catch (const std::exception& failure) {
      return failureReply(std::string("The bank could not complete the request: ") + failure.what(), 500);
    }
  }

  std::optional<AuthMPosData> authMPosData(const std::string& tid) const {
    const SeedTerminal* terminal = bank_.terminalNamed(tid);
    if (!terminal) return std::nullopt;
    auto enables = [&](std::string_view capability) { return BankContext::enables(*terminal, capability); };
    AuthMPosData data;
    data.responseMessagae = "Terminal " + tid + " is authorised";
    data.cardPaymentEnabled = enables("card");
    data.bharatQrPaymentEnabled = enables("bharatQr");
    data.upiCollectPaymentEnabled = enables("upiCollect");
    data.cashPaymentEnabled = enables("cash");
    data.smsPayPaymentEnabled = enables("smsPay");
    data.payLaterPaymentEnabled = enables("payLater");
    data.businessCreditCardsEnabled = enables("businessCreditCards");
    data.instaEnabled = enables("insta");
    data.jumboEnabled = enables("jumbo");
    data.leEnabled = enables("le");
    return data;
  }

 private:
  // Calls `desk` with the request's record; a request whose values do not fit its case's
  // record is malformed.
  template <AuthCustomeCase Kind, class Desk>
  static BankReply with(const AuthCustome& request, Desk&& desk) {
    const auto record = requestRecord<Kind>(request);
    if (!record) return failureReply("The request's values do not fit its case", 400);
    return desk(*record);
  }

  BankReply answer(const AuthCustome& request) {
    using enum AuthCustomeCase;
    switch (request.kind) {
      case bannerList: return banners_.bannerList();
      case getCustomer: return with<getCustomer>(request, [&](const auto& r) { return customers_.getCustomer(r); });
      case loyalty: return with<loyalty>(request, [&](const auto& r) { return customers_.loyalty(r); });
      case upiCheck: return with<upiCheck>(request, [&](const auto& r) { return customers_.upiCheck(r); });
      case QRPay: return with<QRPay>(request, [&](const auto& r) { return payments_.qrPay(r); });
      case LinkPay: return with<LinkPay>(request, [&](const auto& r) { return payments_.linkPay(r); });
      case cashPay: return with<cashPay>(request, [&](const auto& r) { return payments_.cashPay(r); });
      case addPayLaterTxn:
        return with<addPayLaterTxn>(request, [&](const auto& r) { return payments_.addPayLaterTxn(r); });
      case handleCardTxnData:
        return with<handleCardTxnData>(request, [&](const auto& r) { return payments_.handleCardTxnData(r); });
      case validateCardTxnSession: return payments_.validateCardTxnSession();
      case oarCustomOfferBannerInfoV1:
        return with<oarCustomOfferBannerInfoV1>(request, [&](const auto& r) { return offers_.offers(r); });
      case oarAddOfferRedeem:
        return with<oarAddOfferRedeem>(request, [&](const auto& r) { return offers_.addOfferRedeem(r); });
      case oarOfferRedemptionData:
        return with<oarOfferRedemptionData>(request, [&](const auto& r) { return offers_.offerRedemptionData(r); });
      case miniStateMent:
        return with<miniStateMent>(request, [&](const auto& r) { return statements_.miniStatement(r); });
      case paymentSalesCardVelbank:
        return with<paymentSalesCardVelbank>(request, [&](const auto& r) { return statements_.sales(r); });
    }
    return failureReply("Unknown request", 400);
  }

  BankContext bank_;
  PaymentDesk payments_;
  CustomerDesk customers_;
  OfferDesk offers_;
  StatementDesk statements_;
  BannerDesk banners_;
};

std::unique_ptr<SandboxBank> SandboxBank::open(const platform::JsonValue& bankSeed, const std::string& storePath,
                                               Clock clock, std::string* error) {
  auto seed = BankSeed::read(bankSeed, error);
  if (!seed) return nullptr;
  auto store = BankStore::open(storePath, error);
  if (!store) return nullptr;
  auto teller = std::make_unique<Teller>(std::move(*seed), std::move(store), clock ? std::move(clock) : wallClock());
  try {
    teller->plantSeed();
  } catch (const std::exception& failure) {
    if (error) *error = std::string("cannot seed the bank's store: ") + failure.what();
    return nullptr;
  }
  return std::unique_ptr<SandboxBank>(new SandboxBank(std::move(teller)));
}

SandboxBank::SandboxBank(std::unique_ptr<Teller> teller) : teller_(std::move(teller)) {}
SandboxBank::~SandboxBank() = default;

SandboxBank::Clock SandboxBank::runLoopClock() {
  return [] {
    const auto& loop = platform::Platform::current().runLoop;
    return loop ? loop->now() : wallClock()();
  };
}

SandboxBank::Clock SandboxBank::wallClock() {
  return [] {
    const std::chrono::duration<double> sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return platform::Date{sinceEpoch.count()};
  };
}

BankReply SandboxBank::handle(std::string_view caseName, const platform::JsonValue& body,
                              const std::string& idempotencyKey) {
  std::string reason;
  const auto request = requestFromWire(caseName, body, &reason);
  if (!request) return failureReply(reason, 400);
  return teller_->serve(*request, idempotencyKey);
}

BankReply SandboxBank::handle(const AuthCustome& request) { return handle(request.caseName(), wireBody(request)); }

std::optional<AuthMPosData> SandboxBank::authMPosData(const std::string& tid) const { return teller_->authMPosData(tid); }

}  // namespace kassio::sandbox
