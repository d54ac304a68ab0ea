#include "sandbox/UpiPaymentUri.h"

namespace kassio::sandbox {

namespace {

// RFC 3986 unreserved characters stand; everything else, UTF-8 bytes included, is %XX.
std::string percentEncoded(std::string_view text) {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                            c == '.' || c == '_' || c == '~';
    if (unreserved || c == '@') {  // '@' is kept readable in addresses, as UPI apps write it
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 0xF];
    }
  }
  return out;
}

}  // namespace

std::string upiPaymentUri(std::string_view payeeVpa, std::string_view payeeName, std::string_view reference,
                          std::string_view note, std::string_view amountRupees) {
  std::string uri = "upi://pay?pa=" + percentEncoded(payeeVpa) + "&pn=" + percentEncoded(payeeName) +
                    "&tr=" + percentEncoded(reference);
  if (!note.empty()) uri += "&tn=" + percentEncoded(note);
  uri += "&am=" + percentEncoded(amountRupees) + "&cu=INR";
  return uri;
}

}  // namespace kassio::sandbox
