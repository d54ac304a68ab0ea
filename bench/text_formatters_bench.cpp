// Writing a date and checking an e-mail address the way module code does it: a DateFormatter or
// a check made per call. Set against an ICU date format built for every call, the cost the
// per-pattern formatter cache takes away.
#include <benchmark/benchmark.h>

#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <memory>

#include "kassio/payment/StringChecks.h"
#include "kassio/platform/text/DateFormatter.h"

namespace {

constexpr kassio::platform::Date instant{1709647620};

void DateFormatterMadePerCall(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(kassio::platform::DateFormatter("dd MMM yyyy, hh:mm a", "en_IN", "Asia/Kolkata").string(instant));
  }
}
BENCHMARK(DateFormatterMadePerCall);

void IcuFormatBuiltPerCall(benchmark::State& state) {
  for (auto _ : state) {
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(icu::UnicodeString::fromUTF8("dd MMM yyyy, hh:mm a"), icu::Locale("en_IN"), status);
    format.adoptTimeZone(icu::TimeZone::createTimeZone("Asia/Kolkata"));
    icu::UnicodeString text;
    format.format(instant.secondsSince1970 * 1000, text);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(IcuFormatBuiltPerCall);

void EmailCheck(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kassio::isValidEmail("ravi.k+pay@example.co.in"));
}
BENCHMARK(EmailCheck);

}  // namespace

BENCHMARK_MAIN();
