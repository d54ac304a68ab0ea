#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/json/Json.h"
#include "kassio/platform/text/DateFormatter.h"
#include "kassio/transactions/NetlaneManager.h"
#include "sandbox/BankReply.h"
#include "sandbox/SandboxBank.h"

namespace kassio::sandbox::test {

// A small bank: T1 takes every mode, T2 only cash and QR; one pay-later customer with 300.00 of
// her 1000.00 limit used; the seeded sales all lie before today.
inline platform::JsonValue testSeed() {
  return *platform::parseJson(R"({
    "timeZone": "Asia/Kolkata",
    "terminals": [
      {"tid": "T1", "mid": "M1", "area": "Koregaon Park", "payeeName": "Acme Foods", "vpa": "acme.t1@kassiobank",
       "enabled": ["card", "bharatQr", "upiCollect", "cash", "smsPay", "payLater", "insta"]},
      {"tid": "T2", "mid": "M2", "area": "Baner", "payeeName": "Acme Baner", "vpa": "acme.t2@kassiobank",
       "enabled": ["cash", "bharatQr"]}],
    "customers": [{"mobileNumber": "9876543210", "plCustID": 40001, "name": "Priya Sharma", "address": "Kalyani Nagar",
                   "custDescription": "Regular", "payLaterLimit": "1000.00", "upiId": "priya@okkassio"}],
    "payLaterLimitForNewCustomers": "500.00",
    "loyalty": [{"mobileNumber": "9876543210", "flag": "Y", "status": "Gold", "text1": ["Gold member"]}],
    "offers": [
      {"offerId": 701, "offerName": "Ten percent", "offerDetails": {"type": "PERCENT_DISCOUNT", "value": 10, "limit": 5000},
       "terminalIds": ["T1"], "paymentModes": ["BharatQR", "Cash"], "minimumAmount": 20000,
       "bannerDetails": {"id": 9101, "bannerImage": {"id": 9201, "fileUrl": "https://cdn.example/701.png"},
                         "bannerMetaDetails": {"backgroundColor": "FFF4E5", "fontColor": "#8A4B00", "fontSize": 14}}},
      {"offerId": 702, "offerName": "Flat 25", "offerDetails": {"type": "FLAT_DISCOUNT", "value": 2500}, "minimumAmount": 30000},
      {"offerId": 703, "offerName": "Two and a half", "offerDetails": {"type": "PERCENT_DISCOUNT", "value": 250}}],
    "banners": [{"sectionId": 1, "sectionTitle": "Payments", "appLocation": "paymentsDashboard-banner", "bannerData": [
      {"bannerId": 1, "bannerTitle": "Running", "startDate": "2026-12-01 00:00:00", "endDate": "2027-12-31 23:59:59"},
      {"bannerId": 2, "bannerTitle": "Not started", "startDate": "2099-01-01 00:00:00"}]}],
    "transactions": [
      {"tid": "T1", "paymentType": "Cash", "amount": "400.00", "daysAgo": 1, "time": "12:00:00", "mobileNumber": "9876543210"},
      {"tid": "T1", "paymentType": "BharatQR", "amount": "250.50", "daysAgo": 20, "time": "18:00:00", "mobileNumber": "9876543210"},
      {"tid": "T1", "paymentType": "Cash", "amount": "1000.00", "daysAgo": 60, "time": "11:00:00", "mobileNumber": "9876543210"},
      {"tid": "T1", "paymentType": "PayLater", "amount": "300.00", "daysAgo": 2, "time": "10:00:00", "mobileNumber": "9876543210"}]
  })");
}

// A local time in India.
inline platform::Date indiaTime(const std::string& text) {
  return *platform::DateFormatter("yyyy-MM-dd HH:mm:ss", "en_US_POSIX", "Asia/Kolkata").date(text);
}

inline std::string bodyText(const BankReply& reply) { return std::string(reply.body.begin(), reply.body.end()); }

template <class Record>
std::optional<Record> decoded(const BankReply& reply) {
  return platform::decodeJson<Record>(bodyText(reply));
}

inline platform::JsonValue jsonOf(const BankReply& reply) {
  return platform::parseJson(bodyText(reply)).value_or(platform::JsonValue());
}

// What a QR reader makes of a PNG: zbarimg's decoded text, or none when it reads no code.
inline std::optional<std::string> scanQrCode(const std::vector<std::uint8_t>& png) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("kassio-qr-" + std::to_string(reinterpret_cast<std::uintptr_t>(&png)) + ".png");
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(png.data()),
                                              static_cast<std::streamsize>(png.size()));
  std::optional<std::string> text;
  if (FILE* reader = popen(("zbarimg --raw -q " + path.string() + " 2>/dev/null").c_str(), "r")) {
    std::string output;
    char buffer[512];
    while (std::size_t read = std::fread(buffer, 1, sizeof buffer, reader)) output.append(buffer, read);
    if (pclose(reader) == 0 && !output.empty()) {
      if (output.back() == '\n') output.pop_back();
      text = output;
    }
  }
  std::filesystem::remove(path);
  return text;
}

}  // namespace kassio::sandbox::test
