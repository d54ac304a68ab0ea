#include "kassio/platform/json/Json.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kassio::platform {
namespace {

// An enum with text raw values and one with integer raw values.
enum class Colour { red, green };

std::string rawValue(Colour colour) { return colour == Colour::red ? "red" : "green"; }
std::optional<Colour> fromRaw(std::string_view raw, Colour*) {
  if (raw == "red") return Colour::red;
  if (raw == "green") return Colour::green;
  return std::nullopt;
}

enum class Level { low = 1, high = 5 };

int rawValue(Level level) { return static_cast<int>(level); }
std::optional<Level> fromRaw(int raw, Level*) {
  if (raw == 1 || raw == 5) return static_cast<Level>(raw);
  return std::nullopt;
}

struct Inner {
  std::optional<std::string> name;
  std::optional<int> count;

  bool operator==(const Inner&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(jsonField("name", &Inner::name), jsonField("count", &Inner::count));
};

struct Sample {
  std::optional<std::string> text;
  std::optional<bool> flag;
  std::optional<std::int64_t> big;
  std::optional<int> small;
  std::optional<double> ratio;
  std::optional<Inner> inner;
  std::optional<std::vector<Inner>> list;
  std::optional<std::map<std::string, Inner>> byId;
  std::optional<std::vector<std::map<std::string, Inner>>> groups;
  std::optional<std::vector<std::optional<int>>> numbers;
  std::optional<JsonValue> extra;
  std::optional<Colour> colour;
  std::optional<Level> level;

  bool operator==(const Sample&) const = default;
  static constexpr auto jsonFields = std::make_tuple(
      jsonField("text", &Sample::text), jsonField("flag", &Sample::flag), jsonField("big", &Sample::big),
      jsonField("small", &Sample::small), jsonField("ratio", &Sample::ratio), jsonField("inner", &Sample::inner),
      jsonField("list", &Sample::list), jsonField("byId", &Sample::byId), jsonField("groups", &Sample::groups),
      jsonField("numbers", &Sample::numbers), jsonField("extra", &Sample::extra),
      jsonField("colour", &Sample::colour), jsonField("level", &Sample::level));
};

// A tree whose members are required, as in an outlet tree.
struct Outlet {
  std::string id;
  bool selected = false;
  std::optional<std::vector<Outlet>> children;

  static constexpr auto jsonFields = std::make_tuple(
      jsonField("id", &Outlet::id), jsonField("selected", &Outlet::selected), jsonField("children", &Outlet::children));
};

// Each row decodes `json`; `encoded` is the record written back, or nullopt when decoding fails.
struct Case {
  const char* what;
  std::string_view json;
  std::optional<std::string_view> encoded;
};

constexpr std::optional<std::string_view> fails = std::nullopt;

const Case kSampleCases[] = {
    {"empty object", R"({})", R"({})"},
    {"null is absent", R"({"text":null,"inner":null,"colour":null,"extra":null})", R"({})"},
    {"present fields kept", R"({"text":"a","flag":false})", R"({"text":"a","flag":false})"},
    {"number for text", R"({"text":5})", fails},
    {"text for bool", R"({"flag":"true"})", fails},
    {"number for bool", R"({"flag":1})", fails},
    {"text for integer", R"({"small":"5"})", fails},

    {"integral decimal", R"({"small":200.0})", R"({"small":200})"},
    {"integral exponent", R"({"small":2e2})", R"({"small":200})"},
    {"negative zero", R"({"small":-0.0})", R"({"small":0})"},
    {"fraction for integer", R"({"small":1.5})", fails},
    {"small fraction for integer", R"({"big":1e-3})", fails},
    {"above int", R"({"small":2147483648})", fails},
    {"below int", R"({"small":-2147483649})", fails},
    {"int64 holds above int", R"({"big":2147483648})", R"({"big":2147483648})"},
    {"int64 maximum", R"({"big":9223372036854775807})", R"({"big":9223372036854775807})"},
    {"above int64", R"({"big":9223372036854775808})", fails},
    {"above int64 as exponent", R"({"big":1e19})", fails},
    {"below int64 as decimal", R"({"big":-9.3e18})", fails},

    {"integer for double", R"({"ratio":3})", R"({"ratio":3.0})"},
    {"unsigned for double", R"({"ratio":18446744073709551615})", R"({"ratio":1.8446744073709552e+19})"},
    {"integer beyond 64 bits for double", R"({"ratio":-123456789012345678901234})", R"({"ratio":-1.2345678901234569e+23})"},
    {"beyond the double range", R"({"ratio":1e400})", fails},
    {"text for double", R"({"ratio":"1.5"})", fails},

    {"integer beyond 64 bits for integer", R"({"big":123456789012345678901234})", fails},
    {"beyond the double range for integer", R"({"big":1e400})", fails},
    // Members nobody reads are skipped whatever number they hold.
    {"unread numbers of any size", R"({"ref":123456789012345678901234,"zzz":[1e400,-1e-400,{"n":-1E+999}],"small":1})",
     R"({"small":1})"},
    {"repeated key holding a huge number", R"({"big":5,"big":1e400})", R"({"big":5})"},

    {"nested record", R"({"inner":{"name":"x","count":2}})", R"({"inner":{"name":"x","count":2}})"},
    {"nested record fails parent", R"({"inner":{"count":1.5}})", fails},
    {"array for record", R"({"inner":[]})", fails},
    {"nested unknown keys", R"({"inner":{"other":1}})", R"({"inner":{}})"},

    {"array of records", R"({"list":[{"name":"a"},{"count":1}]})", R"({"list":[{"name":"a"},{"count":1}]})"},
    {"bad element fails parent", R"({"list":[{"name":"a"},{"count":"1"}]})", fails},
    {"null record element", R"({"list":[null]})", fails},
    {"object for array", R"({"list":{}})", fails},
    {"optional elements", R"({"numbers":[1,null,3]})", R"({"numbers":[1,null,3]})"},

    {"map of records, written in key order", R"({"byId":{"T2":{"name":"b"},"T1":{"count":1}}})",
     R"({"byId":{"T1":{"count":1},"T2":{"name":"b"}}})"},
    {"bad map value", R"({"byId":{"T1":5}})", fails},
    {"array for map", R"({"byId":[]})", fails},
    {"list of maps", R"({"groups":[{"T1":{"name":"a"}},{}]})", R"({"groups":[{"T1":{"name":"a"}},{}]})"},
    {"bad record in list of maps", R"({"groups":[{"T1":{"name":1}}]})", fails},

    {"unknown keys ignored", R"({"zzz":[1,{"a":null}],"text":"a","yyy":null})", R"({"text":"a"})"},
    {"written in table order", R"({"ratio":0.5,"text":"a","flag":true})", R"({"text":"a","flag":true,"ratio":0.5})"},
    {"repeated key: first counts", R"({"text":"a","text":"b"})", R"({"text":"a"})"},

    {"enum raw values", R"({"colour":"green","level":5})", R"({"colour":"green","level":5})"},
    {"unlisted text raw value", R"({"colour":"blue"})", fails},
    {"number for text enum", R"({"colour":1})", fails},
    {"unlisted integer raw value", R"({"level":2})", fails},
    {"text for integer enum", R"({"level":"5"})", fails},
    {"integral decimal for integer enum", R"({"level":5.0})", R"({"level":5})"},

    {"untyped value keeps key order", R"({"extra":{"z":1,"a":[true,null,2.5,"s"],"m":{}}})",
     R"({"extra":{"z":1,"a":[true,null,2.5,"s"],"m":{}}})"},
    {"untyped scalar", R"({"extra":18446744073709551615})", R"({"extra":18446744073709551615})"},
    {"untyped integer beyond 64 bits", R"({"extra":[18446744073709551616]})", R"({"extra":[1.8446744073709552e+19]})"},
    {"untyped beyond the double range", R"({"extra":{"a":1e400}})", fails},

    {"escaped key", R"({"t\u0065xt":"a"})", R"({"text":"a"})"},
    {"escapes and non-ASCII text", R"({"text":"caf\u00e9 \"q\"\n"})", "{\"text\":\"caf\xc3\xa9 \\\"q\\\"\\n\"}"},
    {"empty input", "", fails},
    {"invalid JSON", R"({"text":})", fails},
    {"trailing garbage", R"({"text":"a"} x)", fails},
    {"array at top", R"([])", fails},
    {"text at top", R"("text")", fails},
    {"invalid UTF-8", "{\"text\":\"\xff\"}", fails},
    {"invalid UTF-8 under an unknown key", "{\"zzz\":\"\xc3\"}", fails},
    {"byte-order mark", "\xEF\xBB\xBF{\"text\":\"a\"}", R"({"text":"a"})"},
    {"byte-order mark alone", "\xEF\xBB\xBF", fails},
    {"byte-order mark after a blank", " \xEF\xBB\xBF{}", fails},
    {"two values", R"({} {})", fails},
};

// Members nobody reads are skipped without being converted, but must still be valid JSON.
const std::string_view kInvalidUnreadMembers[] = {
    R"({"zzz":[1,],"text":"a"})", R"({"zzz":[,1]})", R"({"zzz":[1 2]})", R"({"zzz":{"a":1,}})",
    R"({"zzz":{"a" 1}})", R"({"zzz":{"a":}})", R"({"zzz":{1:2}})", R"({"zzz":[}})", R"({"zzz":{]})",
    R"({"zzz":1}})", R"({"zzz":1)", R"({"zzz":[1]]})", R"({,"text":"a"})", R"({"text":"a",})",
    R"({"zzz":tru})", R"({"zzz":truex})", R"({"zzz":nul})", R"({"zzz":NaN})", R"({"zzz":Infinity})",
    R"({"zzz":01})", R"({"zzz":1.})", R"({"zzz":.5})", R"({"zzz":-})", R"({"zzz":+1})", R"({"zzz":1e})",
    R"({"zzz":1e+})", R"({"zzz":0x10})", R"({"zzz":1.5.5})", R"({"zzz":"\q"})", R"({"zzz":"\u12"})",
    R"({"zzz":"\ud800"})", R"({"zzz":"a)", "{\"zzz\":\"a\nb\"}", R"({"text":"a","text":[1,]})",
};

TEST(JsonCodingTest, RefusesInvalidJsonWhereverItIs) {
  for (const std::string_view text : kInvalidUnreadMembers) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(decodeJson<Sample>(text));
    EXPECT_FALSE(decodeJson<Inner>(text));
    EXPECT_FALSE(parseJson(text));
  }
}

TEST(JsonCodingTest, DecodesSampleRecordsByTheRules) {
  for (const Case& c : kSampleCases) {
    SCOPED_TRACE(c.what);
    const std::optional<Sample> decoded = decodeJson<Sample>(c.json);
    ASSERT_EQ(decoded.has_value(), c.encoded.has_value());
    if (decoded) {
      EXPECT_EQ(encodeJson(*decoded), *c.encoded);
    }
  }
}

const Case kOutletCases[] = {
    {"required fields present", R"({"id":"1","selected":true})", R"({"id":"1","selected":true})"},
    {"required field missing", R"({"id":"1"})", fails},
    {"required field null", R"({"id":null,"selected":true})", fails},
    {"required field of wrong type", R"({"id":1,"selected":true})", fails},
    {"nested tree", R"({"children":[{"selected":false,"id":"2"}],"id":"1","selected":true})",
     R"({"id":"1","selected":true,"children":[{"id":"2","selected":false}]})"},
    {"nested required field missing", R"({"id":"1","selected":true,"children":[{"id":"2"}]})", fails},
};

TEST(JsonCodingTest, RequiresNonOptionalMembers) {
  for (const Case& c : kOutletCases) {
    SCOPED_TRACE(c.what);
    const std::optional<Outlet> decoded = decodeJson<Outlet>(c.json);
    ASSERT_EQ(decoded.has_value(), c.encoded.has_value());
    if (decoded) {
      EXPECT_EQ(encodeJson(*decoded), *c.encoded);
    }
  }
}

TEST(JsonCodingTest, DecodesBareListsAndMaps) {
  const auto list = decodeJson<std::vector<Inner>>(R"([{"name":"a"},{}])");
  ASSERT_TRUE(list);
  EXPECT_EQ(*list, (std::vector<Inner>{{"a", std::nullopt}, {}}));

  const auto maps = decodeJson<std::vector<std::map<std::string, Inner>>>(R"([{"T1":{"count":3}},{"T2":{}}])");
  ASSERT_TRUE(maps);
  ASSERT_EQ(maps->size(), 2u);
  EXPECT_EQ(maps->at(0).at("T1").count, 3);
  EXPECT_TRUE(maps->at(1).contains("T2"));

  EXPECT_FALSE(decodeJson<std::vector<Inner>>(R"({"name":"a"})"));
  EXPECT_FALSE((decodeJson<std::map<std::string, Inner>>(R"([])")));
  EXPECT_EQ(decodeJson<std::vector<std::string>>(R"(["a","b"])"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(decodeJson<std::vector<bool>>(R"([true,false])"), (std::vector<bool>{true, false}));
}

Sample fullSample() {
  Sample s;
  s.text = "héllo";
  s.flag = true;
  s.big = -9'000'000'000;
  s.small = 42;
  s.ratio = 0.1;
  s.inner = Inner{"in", 7};
  s.list = std::vector<Inner>{{"a", 1}, {}};
  s.byId = std::map<std::string, Inner>{{"T1", {"x", std::nullopt}}};
  s.groups = std::vector<std::map<std::string, Inner>>{{{"T2", {std::nullopt, 2}}}, {}};
  s.numbers = std::vector<std::optional<int>>{1, std::nullopt};
  s.extra = JsonValue::parse(R"({"b":[1,2.5,null],"a":"x"})");
  s.colour = Colour::red;
  s.level = Level::high;
  return s;
}

TEST(JsonCodingTest, EncodesPresentFieldsInTableOrder) {
  Sample s;
  s.level = Level::low;
  s.inner = Inner{std::nullopt, 3};
  s.text = "t";
  EXPECT_EQ(encodeJson(s), R"({"text":"t","inner":{"count":3},"level":1})");
  EXPECT_EQ(encodeJson(Sample{}), "{}");

  const JsonValue value = encodeJsonValue(s);
  ASSERT_TRUE(value.is_object());
  EXPECT_EQ(value.begin().key(), "text");
  EXPECT_EQ(value.at("level"), 1);
}

TEST(JsonCodingTest, RoundTripsEveryKind) {
  const Sample original = fullSample();
  const std::string text = encodeJson(original);
  EXPECT_EQ(decodeJson<Sample>(text), original);
  EXPECT_EQ(decodeJson<Sample>(encodeJsonValue(original)), original);
}

TEST(JsonCodingTest, DecodesFromAnUntypedValue) {
  JsonValue payload = JsonValue::object();
  payload["small"] = 200.0;  // a double holding an integer, as payloads often carry numbers
  payload["text"] = "a";
  payload["unknown"] = JsonValue::array();
  const auto decoded = decodeJson<Sample>(payload);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->small, 200);
  EXPECT_EQ(decoded->text, "a");

  payload["text"] = 1;
  EXPECT_FALSE(decodeJson<Sample>(payload));
  payload["text"] = "\xff";  // not UTF-8: fails instead of throwing
  EXPECT_FALSE(decodeJson<Sample>(payload));
  EXPECT_FALSE(decodeJson<Sample>(JsonValue::array()));
  EXPECT_TRUE(decodeJson<Sample>(nlohmann::json::object()));
}

// The shape of a terminal list: a list of maps from terminal id to a record.
struct Terminal {
  std::optional<std::string> tid;
  std::optional<std::string> city;
  std::optional<bool> staticQR;
  std::optional<std::int64_t> limit;
  std::optional<double> rate;
  std::optional<std::vector<std::string>> modes;

  static constexpr auto jsonFields = std::make_tuple(
      jsonField("tid", &Terminal::tid), jsonField("city", &Terminal::city), jsonField("staticQR", &Terminal::staticQR),
      jsonField("limit", &Terminal::limit), jsonField("rate", &Terminal::rate), jsonField("modes", &Terminal::modes));
};

std::string terminalList(int count, int badEntry = -1) {
  std::string text = "[";
  for (int i = 0; i < count; ++i) {
    const std::string tid = "T" + std::to_string(100000 + i);
    if (i > 0) text += ',';
    text += "{\"" + tid + "\":{\"tid\":\"" + tid + "\",\"city\":\"City " + std::to_string(i % 97) +
            "\",\"staticQR\":" + (i % 2 ? "true" : "false") + ",\"limit\":" +
            (i == badEntry ? "\"many\"" : std::to_string(i * 1000LL)) + ",\"rate\":" + std::to_string(i) +
            ".25,\"modes\":[\"Card\",\"UPI Collect\"],\"note\":null}}";
  }
  return text + "]";
}

TEST(JsonCodingTest, DecodesALargeTerminalList) {
  constexpr int kCount = 20000;
  const auto list = decodeJson<std::vector<std::map<std::string, Terminal>>>(terminalList(kCount));
  ASSERT_TRUE(list);
  ASSERT_EQ(list->size(), static_cast<std::size_t>(kCount));
  const Terminal& last = list->back().at("T119999");
  EXPECT_EQ(last.tid, "T119999");
  EXPECT_EQ(last.city, "City " + std::to_string(19999 % 97));
  EXPECT_EQ(last.staticQR, true);
  EXPECT_EQ(last.limit, 19'999'000);
  EXPECT_EQ(last.rate, 19999.25);
  EXPECT_EQ(last.modes, (std::vector<std::string>{"Card", "UPI Collect"}));

  // One bad entry deep in the list fails the whole list.
  EXPECT_FALSE((decodeJson<std::vector<std::map<std::string, Terminal>>>(terminalList(kCount, kCount - 3))));
}

}  // namespace
}  // namespace kassio::platform
