// Decoding a terminal list of about 20 MB: a list of maps from terminal id to a record of
// forty fields, read straight from the text with simdjson On-Demand through the record's field
// table. The bare simdjson DOM parse of the same text is the yardstick.
#include "kassio/platform/json/Json.h"

#include <benchmark/benchmark.h>
#include <simdjson.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using kassio::platform::jsonField;

struct Device {
  std::optional<std::string> serial;
  std::optional<std::string> model;
  std::optional<bool> active;

  static constexpr auto jsonFields = std::make_tuple(
      jsonField("serial", &Device::serial), jsonField("model", &Device::model), jsonField("active", &Device::active));
};

struct Terminal {
  std::optional<std::string> tid, mid, companyName, tidCity, tidState, address1, address2, pincode, roleStatus,
      tidStatus, merchantType, category, currency, contactName, contactPhone, contactEmail, gstin, pan, vpa,
      bankName, ifsc, accountNo, createdAt, updatedAt;
  std::optional<bool> staticQR, cardEnabled, upiEnabled, cashEnabled, smsPayEnabled, payLaterEnabled, tapEnabled;
  std::optional<std::int64_t> dailyLimit, txnLimit, minAmount, settlementCycle;
  std::optional<double> mdrCard, mdrUpi;
  std::optional<std::vector<std::string>> paymentModes;
  std::optional<Device> device;
  std::optional<std::vector<int>> outletIds;

  static constexpr auto jsonFields = std::make_tuple(
      jsonField("tid", &Terminal::tid), jsonField("mid", &Terminal::mid),
      jsonField("companyName", &Terminal::companyName), jsonField("tidCity", &Terminal::tidCity),
      jsonField("tidState", &Terminal::tidState), jsonField("address1", &Terminal::address1),
      jsonField("address2", &Terminal::address2), jsonField("pincode", &Terminal::pincode),
      jsonField("roleStatus", &Terminal::roleStatus), jsonField("tidStatus", &Terminal::tidStatus),
      jsonField("merchantType", &Terminal::merchantType), jsonField("category", &Terminal::category),
      jsonField("currency", &Terminal::currency), jsonField("contactName", &Terminal::contactName),
      jsonField("contactPhone", &Terminal::contactPhone), jsonField("contactEmail", &Terminal::contactEmail),
      jsonField("gstin", &Terminal::gstin), jsonField("pan", &Terminal::pan), jsonField("vpa", &Terminal::vpa),
      jsonField("bankName", &Terminal::bankName), jsonField("ifsc", &Terminal::ifsc),
      jsonField("accountNo", &Terminal::accountNo), jsonField("createdAt", &Terminal::createdAt),
      jsonField("updatedAt", &Terminal::updatedAt), jsonField("staticQR", &Terminal::staticQR),
      jsonField("cardEnabled", &Terminal::cardEnabled), jsonField("upiEnabled", &Terminal::upiEnabled),
      jsonField("cashEnabled", &Terminal::cashEnabled), jsonField("smsPayEnabled", &Terminal::smsPayEnabled),
      jsonField("payLaterEnabled", &Terminal::payLaterEnabled), jsonField("tapEnabled", &Terminal::tapEnabled),
      jsonField("dailyLimit", &Terminal::dailyLimit), jsonField("txnLimit", &Terminal::txnLimit),
      jsonField("minAmount", &Terminal::minAmount), jsonField("settlementCycle", &Terminal::settlementCycle),
      jsonField("mdrCard", &Terminal::mdrCard), jsonField("mdrUpi", &Terminal::mdrUpi),
      jsonField("paymentModes", &Terminal::paymentModes), jsonField("device", &Terminal::device),
      jsonField("outletIds", &Terminal::outletIds));
};

using TerminalList = std::vector<std::map<std::string, Terminal>>;

std::string terminalEntry(int i) {
  const std::string n = std::to_string(i);
  const std::string tid = "T" + std::to_string(10'000'000 + i);
  std::string text = "{\"" + tid + "\":{";
  const auto text_field = [&](const char* key, const std::string& value) {
    text += '"';
    text += key;
    text += "\":\"" + value + "\",";
  };
  const auto raw_field = [&](const char* key, const std::string& value) {
    text += '"';
    text += key;
    text += "\":" + value + ",";
  };
  text_field("tid", tid);
  text_field("mid", "M" + n);
  text_field("companyName", "Merchant Company Number " + n + " Private Limited");
  text_field("tidCity", "City " + std::to_string(i % 300));
  text_field("tidState", "State " + std::to_string(i % 30));
  text_field("address1", "Shop " + n + ", Main Market Road, Near The Old Clock Tower");
  text_field("address2", "Sector " + std::to_string(i % 90) + ", Industrial Area Phase 2");
  text_field("pincode", std::to_string(110000 + i % 900));
  text_field("roleStatus", i % 3 ? "Cashier" : "Manager");
  text_field("tidStatus", "Active");
  text_field("merchantType", "Retail");
  text_field("category", "Grocery and Supermarkets");
  text_field("currency", "INR");
  text_field("contactName", "Contact Person " + n);
  text_field("contactPhone", "98" + std::to_string(10'000'000 + i));
  text_field("contactEmail", "merchant" + n + "@example.com");
  text_field("gstin", "29ABCDE" + n + "Z5");
  text_field("pan", "ABCDE" + n);
  text_field("vpa", "merchant" + n + "@bank");
  text_field("bankName", "Example Bank Limited");
  text_field("ifsc", "EXMP000" + std::to_string(i % 1000));
  text_field("accountNo", "00012345" + n);
  text_field("createdAt", "2023-01-15T10:20:30Z");
  text_field("updatedAt", "2024-06-01T08:00:00Z");
  raw_field("staticQR", i % 2 ? "true" : "false");
  raw_field("cardEnabled", "true");
  raw_field("upiEnabled", "true");
  raw_field("cashEnabled", "false");
  raw_field("smsPayEnabled", "true");
  raw_field("payLaterEnabled", "null");
  raw_field("tapEnabled", "false");
  raw_field("dailyLimit", std::to_string(5'000'000 + i));
  raw_field("txnLimit", "200000.0");
  raw_field("minAmount", "100");
  raw_field("settlementCycle", "1");
  raw_field("mdrCard", "1.75");
  raw_field("mdrUpi", "0");
  raw_field("paymentModes", R"(["Card","BharatQR","UPI Collect","Cash","SMS Pay"])");
  raw_field("device", "{\"serial\":\"SN" + n + "\",\"model\":\"POS-X2\",\"active\":true}");
  raw_field("unusedByTheModule", R"({"a":[1,2,3],"b":"ignored"})");
  text += "\"outletIds\":[" + std::to_string(i % 50) + "," + std::to_string(i % 70) + "]}}";
  return text;
}

const std::string& terminalListText() {
  static const std::string text = [] {
    std::string out = "[";
    for (int i = 0; out.size() < 20'000'000; ++i) {
      if (i > 0) out += ',';
      out += terminalEntry(i);
    }
    return out + "]";
  }();
  return text;
}

void BM_DecodeTerminalList(benchmark::State& state) {
  const std::string& text = terminalListText();
  std::size_t terminals = 0;
  for (auto _ : state) {
    auto list = kassio::platform::decodeJson<TerminalList>(text);
    if (!list) {
      state.SkipWithError("terminal list did not decode");
      return;
    }
    terminals = list->size();
    benchmark::DoNotOptimize(list);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["terminals"] = static_cast<double>(terminals);
  state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_DecodeTerminalList)->Unit(benchmark::kMillisecond);

// The same with one decoder kept across documents, so the parser's buffers are reused.
void BM_DecodeTerminalListReusingDecoder(benchmark::State& state) {
  const std::string& text = terminalListText();
  kassio::platform::JsonDecoder decoder;
  for (auto _ : state) {
    auto list = decoder.decode<TerminalList>(text);
    if (!list) {
      state.SkipWithError("terminal list did not decode");
      return;
    }
    benchmark::DoNotOptimize(list);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_DecodeTerminalListReusingDecoder)->Unit(benchmark::kMillisecond);

// The untyped parse of the same text, for comparison.
void BM_ParseTerminalListUntyped(benchmark::State& state) {
  const std::string& text = terminalListText();
  for (auto _ : state) {
    auto value = kassio::platform::parseJson(text);
    benchmark::DoNotOptimize(value);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseTerminalListUntyped)->Unit(benchmark::kMillisecond);

// simdjson's DOM parse alone (buffers reused), building no C++ values: the rate to compare with.
void BM_SimdjsonDomParseTerminalList(benchmark::State& state) {
  const simdjson::padded_string text(terminalListText());
  simdjson::dom::parser parser;
  for (auto _ : state) {
    simdjson::dom::element root;
    if (parser.parse(text).get(root) != simdjson::SUCCESS) {
      state.SkipWithError("terminal list did not parse");
      return;
    }
    benchmark::DoNotOptimize(root);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_SimdjsonDomParseTerminalList)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
