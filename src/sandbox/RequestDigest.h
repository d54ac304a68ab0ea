#pragma once

#include <string>

#include "kassio/transactions/AuthCustome.h"

namespace kassio::sandbox {

// SHA-256 of the request's case and wire body, in hex: enough to tell a retried request from
// another under the same idempotency key, while keeping no customer data.
std::string requestDigest(const AuthCustome& request);

}  // namespace kassio::sandbox
