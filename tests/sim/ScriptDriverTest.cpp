#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "kassio/platform/json/Json.h"
#include "kassio/platform/ui/Button.h"
#include "kassio/platform/ui/TextField.h"
#include "sim/JsonExpectation.h"
#include "sim/ScriptDriver.h"
#include "sim/ScriptRunner.h"

namespace kassio::sim {
namespace {

using Json = nlohmann::ordered_json;
using namespace platform;

std::vector<Json> resultLines(const std::string& output) {
  std::vector<Json> lines;
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);) lines.push_back(Json::parse(line));
  return lines;
}

TEST(ScriptRunnerTest, FailedLinesReportTheirLineAndTheScriptGoesOn) {
  std::ifstream script(KASSIO_SOURCE_DIR "/tests/sim/driver-errors.jsonl");
  ASSERT_TRUE(script);
  std::ostringstream output;
  EXPECT_EQ(ScriptRunner("").run(script, output), 1);
  // Each result line by its script line (comments and blank lines count as lines): an error
  // text, or empty for a line that holds.
  const std::vector<std::pair<int, std::string>> expected{
      {4, "start: theme must be true or false"},
      {5, "start: authbase must be true or false"},
      {6, "start: tz Not/AZone is not a known time zone"},
      {7, "start: fixture must be a file name"},
      {8, "start: selectedUUID must be a UUID"},
      {9, ""},
      {10, "not a JSON line"},
      {11, "unknown command \"frobnicate\""},
      {12, "no element noSuchButton on HostRootScreen"},
      {13, ""},
      {14, ""},
      {17, "requests: clear must be true or false"},
      {18, "tap: target must be a text"},
      {19, "type: target must be a text"},
      {20, "reply: fail must be true or false"},
      {21, "getSelctionHirekey: argument paymentMode must be a 64-bit integer"},
      {22, "setDefault: value must be a 64-bit integer"},
      {23, ""},
      {24, ""},
  };
  auto lines = resultLines(output.str());
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto& [line, error] = expected[i];
    if (error.empty()) {
      EXPECT_EQ(lines[i]["ok"], true) << "line " << line << ": " << lines[i].dump();
    } else {
      EXPECT_EQ(lines[i], Json({{"ok", false}, {"error", error}, {"line", line}})) << "line " << line;
    }
  }
}

TEST(ScriptRunnerTest, AFailedExpectationFailsTheScriptAndShowsTheActualValue) {
  std::istringstream script(R"({"do":"nav"}
{"do":"expect","path":"top","equals":"Elsewhere"})");
  std::ostringstream output;
  EXPECT_EQ(ScriptRunner("").run(script, output), 1);
  auto lines = resultLines(output.str());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1]["actual"], "HostRootScreen");
  EXPECT_EQ(lines[1]["line"], 2);
}

TEST(ScriptRunnerTest, AnUnreadableFixtureFailsTheStartAndTheDefaultsTakeOver) {
  std::istringstream script(R"({"do":"start","fixture":"no/such/fixture.json"}
{"do":"nav"})");
  std::ostringstream output;
  EXPECT_EQ(ScriptRunner("").run(script, output), 1);
  auto lines = resultLines(output.str());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]["error"], "start: fixture no/such/fixture.json is not a readable JSON object");
  EXPECT_EQ(lines[1]["ok"], true);
}

TEST(JsonExpectationTest, ChecksOnTheLastResult) {
  Json data = Json::parse(R"({"rows":[{"amount":200},{"amount":12.5}],"texts":["SMS Pay","Cash"],
                              "title":"Initiate Payment","gone":null,"fields":{}})");
  struct Case {
    const char* command;
    bool holds;
  };
  const Case cases[] = {
      {R"({"path":"rows.0.amount","equals":200.0})", true},
      {R"({"path":"rows.1.amount","equals":12.5})", true},
      {R"({"path":"rows.1.amount","equals":12})", false},
      {R"({"path":"title","equals":"Initiate Payment"})", true},
      {R"({"path":"title","contains":"Payment"})", true},
      {R"({"path":"texts","contains":"Cash"})", true},
      {R"({"path":"texts","contains":"Card"})", false},
      {R"({"path":"gone","absent":true})", true},
      {R"({"path":"rows.7","absent":true})", true},
      {R"({"path":"rows.x","absent":true})", true},
      {R"({"path":"title","absent":true})", false},
      {R"({"path":"rows","count":2})", true},
      {R"({"path":"fields","count":0})", true},
      {R"({"path":"title","count":1})", false},
      {R"({"path":"","count":5})", true},
  };
  for (const auto& item : cases) {
    std::string error;
    auto expectation = JsonExpectation::fromCommand(Json::parse(item.command), error);
    ASSERT_TRUE(expectation) << item.command << ": " << error;
    Json actual;
    EXPECT_EQ(!expectation->check(data, actual).has_value(), item.holds) << item.command;
  }
}

TEST(JsonExpectationTest, RefusesMalformedChecks) {
  for (const char* command : {R"({"path":"a"})", R"({"path":"a","equals":1,"count":1})",
                              R"({"path":"a","count":"2"})", R"({"path":1,"equals":1})",
                              R"({"path":"a","absent":"yes"})"}) {
    std::string error;
    EXPECT_FALSE(JsonExpectation::fromCommand(Json::parse(command), error)) << command;
    EXPECT_FALSE(error.empty());
  }
}

// A screen with a ten-digit mobile field, a disabled button and a hidden button.
class FormScreen final : public Screen, public TextFieldDelegate {
  KASSIO_SCREEN(FormScreen)
 public:
  KASSIO_OUTLET(TextField, mobileNoTxt);
  KASSIO_OUTLET(TextField, amountTxt);
  KASSIO_OUTLET(Button, actionButton);
  KASSIO_OUTLET(Button, hiddenButton);
  int changes = 0;
  std::vector<std::string> ended;
  std::vector<std::string> senders;  // of "recordSender:", "-" for none

  bool shouldChangeCharacters(TextField& field, Utf16Range range, const std::string& replacement) override {
    if (replacement.find_first_not_of("0123456789") != std::string::npos) return false;
    return field.text.size() - range.length + replacement.size() <= 10;
  }
  void textFieldDidEndEditing(TextField& field, DidEndEditingReason) override { ended.push_back(field.name); }

 protected:
  void loadView() override {
    Screen::loadView();
    for (auto* outlet : {&mobileNoTxt, &amountTxt}) {
      auto& field = add(*outlet);
      field.delegate = std::dynamic_pointer_cast<FormScreen>(shared_from_this());
      field.addAction(ControlEvent::editingChanged, [this](Control&) { ++changes; });
    }
    add(actionButton).enabled = false;
    add(hiddenButton).hidden = true;
    registerAction("recordSender:", [this](View* sender) { senders.push_back(sender ? sender->name : "-"); });
  }
};

class DriverWithFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    driver.run(Json::parse(R"({"do":"start"})"), 1);
    form = std::make_shared<FormScreen>();
    driver.environment()->hostStack().pushViewController(form, false);
  }
  Json run(const char* command) { return driver.run(Json::parse(command), 2); }

  ScriptDriver driver;
  std::shared_ptr<FormScreen> form;
};

TEST_F(DriverWithFormTest, TypingOffersEachCharacterToTheDelegate) {
  EXPECT_EQ(run(R"({"do":"type","target":"mobileNoTxt","text":"98a7654321099"})")["ok"], true);
  EXPECT_EQ(form->outlet<TextField>("mobileNoTxt")->text, "9876543210");
  EXPECT_EQ(form->changes, 10);  // refused characters change nothing

  EXPECT_EQ(run(R"({"do":"clear","target":"mobileNoTxt"})")["ok"], true);
  EXPECT_EQ(form->outlet<TextField>("mobileNoTxt")->text, "");
}

TEST_F(DriverWithFormTest, TypingInAnotherFieldEndsTheEditingOfTheFirst) {
  run(R"({"do":"type","target":"mobileNoTxt","text":"98"})");
  EXPECT_TRUE(form->ended.empty());
  run(R"({"do":"type","target":"amountTxt","text":"5"})");
  EXPECT_EQ(form->ended, std::vector<std::string>{"mobileNoTxt"});
  run(R"({"do":"endEditing","target":"amountTxt"})");
  EXPECT_EQ(form->ended, (std::vector<std::string>{"mobileNoTxt", "amountTxt"}));
}

TEST_F(DriverWithFormTest, TapsAPersonCouldNotMakeAreRefused) {
  auto disabled = run(R"({"do":"tap","target":"actionButton"})");
  EXPECT_EQ(disabled["ok"], false);
  EXPECT_EQ(disabled["error"], "actionButton is disabled");
  EXPECT_EQ(run(R"({"do":"tap","target":"hiddenButton"})")["error"], "hiddenButton is hidden");
  EXPECT_EQ(run(R"({"do":"type","target":"actionButton","text":"1"})")["error"], "actionButton is not a text field");
  EXPECT_EQ(run(R"({"do":"action","name":"noSuchAction:"})")["ok"], false);
  EXPECT_FALSE(driver.succeeded());
}

TEST_F(DriverWithFormTest, AnActionCarriesTheSenderItNames) {
  EXPECT_EQ(run(R"({"do":"action","name":"recordSender:","sender":"hiddenButton"})")["ok"], true);
  EXPECT_EQ(run(R"({"do":"action","name":"recordSender:"})")["ok"], true);
  EXPECT_EQ(run(R"({"do":"action","name":"recordSender:","sender":"noSuchButton"})")["error"],
            "no element noSuchButton on FormScreen");
  EXPECT_EQ(run(R"({"do":"action","name":"recordSender:","sender":3})")["error"], "action: sender must be a text");
  EXPECT_EQ(form->senders, (std::vector<std::string>{"hiddenButton", "-"}));
}

TEST_F(DriverWithFormTest, DumpListsOutletsAndVisibleTexts) {
  run(R"({"do":"type","target":"mobileNoTxt","text":"42"})");
  auto dump = run(R"({"do":"dump"})")["result"];
  EXPECT_EQ(dump["class"], "FormScreen");
  EXPECT_EQ(dump["elements"]["mobileNoTxt"]["text"], "42");
  EXPECT_EQ(dump["elements"]["hiddenButton"]["hidden"], true);
  EXPECT_EQ(dump["texts"], Json::array({"42"}));
}

}  // namespace
}  // namespace kassio::sim
