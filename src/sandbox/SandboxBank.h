#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "kassio/entry/AuthMPosData.h"
#include "kassio/platform/foundation/Date.h"
#include "kassio/platform/json/JsonValue.h"
#include "kassio/transactions/AuthCustome.h"
#include "sandbox/BankReply.h"

namespace kassio::sandbox {

// The sandbox bank: answers every Netlane request from its seed and its store, as
// docs/sandbox-bank.md describes. It records payments (cash, link, QR, pay later, card), knows
// customers and their loyalty, checks UPI addresses, runs offers and their redemptions, and
// reports sales and mini statements from what it recorded. Used in-process by the driver and
// behind HTTP by SandboxServer; not thread-safe (the server serialises calls).
class SandboxBank {
 public:
  using Clock = std::function<platform::Date()>;

  // `bankSeed` is the fixture's "bank" object (null for an empty bank); `storePath` an SQLite
  // file, or ":memory:". A new store takes the seed's customers and transactions, dated from
  // `clock`'s today. None, with the reason, when the seed is invalid or the store unusable.
  static std::unique_ptr<SandboxBank> open(const platform::JsonValue& bankSeed, const std::string& storePath,
                                           Clock clock, std::string* error = nullptr);

  // The module's clock in-process (the main run loop's now()), the system's in the server.
  static Clock runLoopClock();
  static Clock wallClock();

  // One request as the wire carries it. A malformed body answers 400 and changes nothing. With
  // an idempotency key, a payment request answers as the key's first request did and records
  // nothing new; a key reused for another request answers 422.
  BankReply handle(std::string_view caseName, const platform::JsonValue& body, const std::string& idempotencyKey = {});
  // In-process: the request coded as the wire would carry it.
  BankReply handle(const AuthCustome& request);

  // What the terminal-authorisation service says of a terminal: its provisioning in the seed;
  // none for a terminal the bank does not know.
  std::optional<AuthMPosData> authMPosData(const std::string& tid) const;

  ~SandboxBank();
  SandboxBank(const SandboxBank&) = delete;
  SandboxBank& operator=(const SandboxBank&) = delete;

 private:
  class Teller;  // the answers to each request
  explicit SandboxBank(std::unique_ptr<Teller> teller);

  std::unique_ptr<Teller> teller_;
};

}  // namespace kassio::sandbox
