#include "sandbox/RequestDigest.h"

#include <openssl/evp.h>

#include <stdexcept>

#include "kassio/platform/json/Json.h"
#include "kassio/transactions/AuthCustomeWire.h"

namespace kassio::sandbox {

std::string requestDigest(const AuthCustome& request) {
  const std::string text = std::string(request.caseName()) + "\n" + platform::writeJson(wireBody(request));
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int size = 0;
  if (!EVP_Digest(text.data(), text.size(), digest, &size, EVP_sha256(), nullptr))
    throw std::runtime_error("SHA-256 is not available");
  static constexpr char hex[] = "0123456789abcdef";
  std::string written;
  written.reserve(size * 2);
  for (unsigned int i = 0; i < size; ++i) {
    written += hex[digest[i] >> 4];
    written += hex[digest[i] & 0xF];
  }
  return written;
}

}  // namespace kassio::sandbox
