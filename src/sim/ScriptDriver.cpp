#include "sim/ScriptDriver.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <set>

#include "kassio/entry/AuthMPosData.h"
#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/json/Json.h"
#include "sandbox/SandboxAttach.h"
#include "sandbox/SandboxBank.h"
#include "kassio/platform/text/Base64.h"
#include "kassio/platform/text/UnicodeText.h"
#include "kassio/platform/ui/AlertController.h"
#include "kassio/platform/ui/ListView.h"
#include "kassio/ui/AlertPresenter.h"
#include "sim/AnyJson.h"
#include "sim/FunctionCalls.h"
#include "sim/ManagerCalls.h"
#include "sim/ModuleConfiguration.h"
#include "sim/ModuleStateDump.h"
#include "sim/JsonExpectation.h"
#include "sim/ScreenQuery.h"

namespace kassio::sim {

using namespace platform;

namespace {

std::optional<std::string> optionalText(const nlohmann::ordered_json& command, const char* key) {
  auto found = command.find(key);
  if (found == command.end() || !found->is_string()) return std::nullopt;
  return found->get<std::string>();
}

// Why a person could not tap the element, or empty when they could.
std::string refusalToTouch(const View& view) {
  if (view.isHiddenInTree()) return "is hidden";
  if (!view.acceptsTouches()) return "does not accept touches";
  if (auto* control = dynamic_cast<const Control*>(&view); control && !control->enabled) return "is disabled";
  return {};
}

// Each grapheme cluster of a text, as a person types them one by one.
std::vector<std::string> characters(std::string_view text) {
  std::vector<std::string> result;
  while (!text.empty()) {
    auto first = graphemePrefix(text, 1);
    if (first.empty()) break;
    result.push_back(first);
    text.remove_prefix(first.size());
  }
  return result;
}

}  // namespace

ScriptDriver::ScriptDriver(std::string defaultsFile) : defaultsFile_(std::move(defaultsFile)) {}

ScriptDriver::~ScriptDriver() {
  if (environment_ && logToken_) environment_->notifications().removeObserver(*logToken_);
}

const std::map<std::string, ScriptDriver::Command>& ScriptDriver::commands() {
  static const std::map<std::string, Command> table{
      {"start", &ScriptDriver::start},
      {"expect", &ScriptDriver::expect},
      {"wait", &ScriptDriver::wait},
      {"tap", &ScriptDriver::tap},
      {"type", &ScriptDriver::type},
      {"clear", &ScriptDriver::clear},
      {"endEditing", &ScriptDriver::endEditing},
      {"action", &ScriptDriver::action},
      {"swipe", &ScriptDriver::swipe},
      {"alertAction", &ScriptDriver::alertAction},
      {"dump", &ScriptDriver::dump},
      {"nav", &ScriptDriver::nav},
      {"alert", &ScriptDriver::alert},
      {"showAlert", &ScriptDriver::showAlert},
      {"defaults", &ScriptDriver::defaults},
      {"setDefault", &ScriptDriver::setDefault},
      {"notifications", &ScriptDriver::notifications},
      {"post", &ScriptDriver::post},
      {"manager", &ScriptDriver::manager},
      {"fn", &ScriptDriver::fn},
      {"state", &ScriptDriver::state},
      {"auth", &ScriptDriver::auth},
      {"reply", &ScriptDriver::reply},
      {"shot", &ScriptDriver::shot},
      {"html", &ScriptDriver::html},
      {"requests", &ScriptDriver::requests},
  };
  return table;
}

ScriptDriver::Json ScriptDriver::malformed(const std::string& error, int line) {
  ++failures_;
  return {{"ok", false}, {"error", error}, {"line", line}};
}

ScriptDriver::Json ScriptDriver::run(const Json& command, int line) {
  if (!command.is_object() || !command.contains("do") || !command["do"].is_string())
    return malformed("a command is an object with \"do\"", line);
  auto name = command["do"].get<std::string>();
  auto found = commands().find(name);
  if (found == commands().end()) return malformed("unknown command \"" + name + "\"", line);

  currentLine_ = line;
  Outcome outcome;
  if (name != "start") outcome.error = ensureStarted();
  if (outcome.error.empty()) outcome = (this->*found->second)(command);
  // Whatever the command set going that is due now runs before the next command.
  if (environment_) environment_->runLoop().runDue();

  if (!outcome.error.empty()) {
    Json result = malformed(outcome.error, line);
    for (const auto& [key, value] : outcome.detail.items()) result[key] = value;
    return result;
  }
  Json result = {{"ok", true}};
  if (outcome.data) {
    result["result"] = *outcome.data;
    lastData_ = outcome.data;
  }
  return result;
}

std::string ScriptDriver::ensureStarted() {
  if (environment_) return {};
  return start(Json::object()).error;
}

ScriptDriver::Outcome ScriptDriver::start(const Json& command) {
  if (environment_) return {"start comes once, before every other command", {}, {}};
  std::string error;
  auto fixture = loadFixture(command, error);
  if (!fixture) return {error, {}, {}};
  auto settings = SimEnvironment::settingsFrom(command, error);
  if (!settings) return {error, {}, {}};
  environment_ = SimEnvironment::install(*settings, defaultsFile_, error);
  if (!environment_) return {error, {}, {}};
  fixture_ = std::move(*fixture);
  authbase_ = std::make_shared<DriverAuthbase>();
  netlane_ = environment_->backend();
  // Unscripted requests and terminal authorisations are answered by the sandbox bank, in-process.
  std::shared_ptr<sandbox::SandboxBank> bank = sandbox::SandboxBank::open(fixture_.value("bank", Json()), ":memory:",
                                         sandbox::SandboxBank::runLoopClock(), &error);
  if (!bank) return {"start: the sandbox bank cannot open: " + error, {}, {}};
  sandbox::attach(*netlane_, bank);
  authbase_->setFallback([bank](const std::string& tid) { return bank->authMPosData(tid); });
  if (auto failure = ModuleConfiguration::apply(command, fixture_, {authbase_, netlane_}); !failure.empty())
    return {failure, {}, {}};
  logToken_ = environment_->notifications().addObserver("", [this](const Notification& note) {
    if (hostPosting_) return;
    Json userInfo = Json::object();
    for (const auto& [key, value] : note.userInfo) userInfo[key] = jsonFromAny(value);
    posted_.push_back({{"name", note.name}, {"object", jsonFromAny(note.object)}, {"userInfo", userInfo}});
  });
  return {};
}

std::optional<ScriptDriver::Json> ScriptDriver::loadFixture(const Json& command, std::string& error) {
  static const std::set<std::string> settingKeys{"do", "fixture", "theme", "netlane", "authbase",
                                                 "now", "tz", "language", "seed"};
  Json fixture = Json::object();
  if (auto path = command.find("fixture"); path != command.end() && !path->is_null()) {
    if (!path->is_string()) {
      error = "start: fixture must be a file name";
      return std::nullopt;
    }
    std::ifstream file(path->get<std::string>(), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    auto parsed = file ? parseJson(text) : std::nullopt;
    if (!parsed || !parsed->is_object()) {
      error = "start: fixture " + path->get<std::string>() + " is not a readable JSON object";
      return std::nullopt;
    }
    fixture = std::move(*parsed);
  }
  // Keys given inline override the file's.
  for (const auto& [key, value] : command.items())
    if (!settingKeys.count(key)) fixture[key] = value;
  return fixture;
}

ScriptDriver::Outcome ScriptDriver::expect(const Json& command) {
  std::string error;
  auto expectation = JsonExpectation::fromCommand(command, error);
  if (!expectation) return {error, {}, {}};
  if (!lastData_) return {"expect: no command has returned data yet", {}, {}};
  Json actual;
  if (auto failure = expectation->check(*lastData_, actual)) return {*failure, {}, {{"actual", actual}}};
  return {};
}

ScriptDriver::Outcome ScriptDriver::wait(const Json& command) {
  auto seconds = command.find("seconds");
  if (seconds == command.end() || !seconds->is_number() || !std::isfinite(seconds->get<double>()) ||
      seconds->get<double>() < 0)
    return {"wait: seconds must be a number of seconds, not negative", {}, {}};
  environment_->runLoop().advance(seconds->get<double>());
  return {};
}

ScriptDriver::Outcome ScriptDriver::tap(const Json& command) {
  std::string error;
  auto element = ScreenQuery(environment_->window()).targetFor(command, error);
  if (!element) return {error, {}, {}};
  if (auto refusal = refusalToTouch(*element); !refusal.empty())
    return {command.value("target", "row") + " " + refusal, {}, {}};

  if (auto* list = dynamic_cast<ListView*>(element.get()); list && command.contains("row") && !command.contains("in")) {
    auto row = command["row"];
    if (!row.is_number_integer() || row.get<int>() < 0 || !list->selectRow(row.get<std::size_t>()))
      return {"no row " + row.dump() + " to select in " + list->name, {}, {}};
    return {};
  }
  element->tap();
  return {};
}

ScriptDriver::Outcome ScriptDriver::withTargetField(
    const Json& command, const std::function<Outcome(const std::shared_ptr<TextField>&)>& body) {
  std::string error;
  auto element = ScreenQuery(environment_->window()).targetFor(command, error);
  if (!element) return {error, {}, {}};
  auto field = std::dynamic_pointer_cast<TextField>(element);
  if (!field) return {command.value("target", "") + " is not a text field", {}, {}};
  return body(field);
}

ScriptDriver::Outcome ScriptDriver::type(const Json& command) {
  auto text = command.find("text");
  if (text == command.end() || !text->is_string()) return {"type: text must be a text", {}, {}};
  return withTargetField(command, [&](const std::shared_ptr<TextField>& field) -> Outcome {
    if (auto refusal = refusalToTouch(*field); !refusal.empty()) return {field->name + " " + refusal, {}, {}};
    if (!field->becomeFirstResponder()) return {field->name + " does not begin editing", {}, {}};
    for (const auto& character : characters(text->get<std::string>())) field->offerAppend(character);
    return {};
  });
}

ScriptDriver::Outcome ScriptDriver::clear(const Json& command) {
  return withTargetField(command, [&](const std::shared_ptr<TextField>& field) -> Outcome {
    if (auto refusal = refusalToTouch(*field); !refusal.empty()) return {field->name + " " + refusal, {}, {}};
    if (!field->becomeFirstResponder()) return {field->name + " does not begin editing", {}, {}};
    field->offerEdit({0, utf16Length(field->text)}, "");
    return {};
  });
}

ScriptDriver::Outcome ScriptDriver::endEditing(const Json& command) {
  return withTargetField(command, [&](const std::shared_ptr<TextField>& field) -> Outcome {
    field->resignFirstResponder();
    return {};
  });
}

ScriptDriver::Outcome ScriptDriver::action(const Json& command) {
  auto name = optionalText(command, "name");
  if (!name) return {"action: name must be a selector name", {}, {}};
  std::string error;
  ScreenQuery query(environment_->window());
  auto screen = query.screenFor(command, error);
  if (!screen) return {error, {}, {}};
  std::shared_ptr<View> sender;
  if (command.contains("target")) {
    sender = ScreenQuery::target(*screen, command, error);
    if (!sender) return {error, {}, {}};
  }
  if (!screen->performAction(*name, sender.get())) return {screen->className() + " has no action " + *name, {}, {}};
  return {};
}

ScriptDriver::Outcome ScriptDriver::swipe(const Json& command) {
  std::string error;
  auto list = std::dynamic_pointer_cast<ListView>(ScreenQuery(environment_->window()).targetFor(command, error));
  if (!list) return {error.empty() ? "swipe: the target is not a list" : error, {}, {}};
  auto page = command.find("page");
  if (page == command.end() || !page->is_number_integer() || page->get<int>() < 0)
    return {"swipe: page must be a page number", {}, {}};
  if (auto refusal = refusalToTouch(*list); !refusal.empty()) return {list->name + " " + refusal, {}, {}};
  list->scrollToPage(page->get<int>());
  return {};
}

ScriptDriver::Outcome ScriptDriver::alertAction(const Json& command) {
  auto title = optionalText(command, "title");
  if (!title) return {"alertAction: title must be a text", {}, {}};
  auto alert = std::dynamic_pointer_cast<AlertController>(environment_->window().topMostScreen());
  if (!alert) return {"no platform alert is shown", {}, {}};
  if (!alert->tapAction(*title)) return {"the alert has no action \"" + *title + "\"", {}, {}};
  return {};
}

ScriptDriver::Outcome ScriptDriver::dump(const Json& command) {
  std::string error;
  ScreenQuery query(environment_->window());
  auto screen = query.screenFor(command, error);
  if (!screen) return {error, {}, {}};
  return {{}, ScreenQuery::dump(*screen), {}};
}

ScriptDriver::Outcome ScriptDriver::nav(const Json&) {
  ScreenQuery query(environment_->window());
  return {{}, query.navigation(environment_->hostStack()), {}};
}

ScriptDriver::Outcome ScriptDriver::alert(const Json&) {
  ScreenQuery query(environment_->window());
  return {{}, query.alert(), {}};
}

ScriptDriver::Outcome ScriptDriver::showAlert(const Json& command) {
  auto warning = command.find("warning");
  if (warning != command.end() && !warning->is_boolean()) return {"showAlert: warning must be true or false", {}, {}};
  for (const char* key : {"title", "description"})
    if (command.contains(key) && !command[key].is_string() && !command[key].is_null())
      return {std::string("showAlert: ") + key + " must be a text or null", {}, {}};
  // The host's close action: another driver command, run once the dialog has been closed (a
  // failure counts against the script like any other).
  std::function<void()> closeAction;
  if (auto then = command.find("closeAction"); then != command.end()) {
    if (!then->is_object()) return {"showAlert: closeAction must be a command", {}, {}};
    closeAction = [this, then = *then, line = currentLine_] { run(then, line); };
  }
  kassio::showAlert(optionalText(command, "title"), optionalText(command, "description"),
                    warning != command.end() && warning->get<bool>(), nullptr, std::move(closeAction));
  return {};
}

ScriptDriver::Outcome ScriptDriver::defaults(const Json&) {
  Json all = Json::object();
  auto& store = environment_->defaults();
  for (const auto& key : store.keys()) {
    auto value = store.object(key);
    if (!value) continue;
    all[key] = std::visit([](const auto& item) { return Json(item); }, *value);
  }
  return {{}, all, {}};
}

ScriptDriver::Outcome ScriptDriver::setDefault(const Json& command) {
  auto key = optionalText(command, "key");
  if (!key || key->empty()) return {"setDefault: key must be a text", {}, {}};
  auto value = command.find("value");
  auto& store = environment_->defaults();
  if (value == command.end() || value->is_null()) {
    store.remove(*key);
  } else if (value->is_boolean()) {
    store.set(*key, value->get<bool>());
  } else if (value->is_number_integer()) {
    store.set(*key, value->get<std::int64_t>());
  } else if (value->is_string()) {
    store.set(*key, value->get<std::string>());
  } else if (value->is_object()) {
    UserDefaults::StringMap map;
    for (const auto& [name, item] : value->items()) {
      if (!item.is_string()) return {"setDefault: a map holds texts only", {}, {}};
      map[name] = item.get<std::string>();
    }
    store.set(*key, map);
  } else {
    return {"setDefault: value must be a Boolean, an integer, a text or a map of texts", {}, {}};
  }
  store.synchronize();
  return {};
}

ScriptDriver::Outcome ScriptDriver::notifications(const Json& command) {
  Json log = posted_;
  if (command.value("clear", false)) posted_ = Json::array();
  return {{}, log, {}};
}

ScriptDriver::Outcome ScriptDriver::post(const Json& command) {
  auto name = optionalText(command, "name");
  if (!name || name->empty()) return {"post: name must be a text", {}, {}};
  auto userInfo = command.find("userInfo");
  if (userInfo != command.end() && !userInfo->is_object() && !userInfo->is_null())
    return {"post: userInfo must be an object", {}, {}};
  hostPosting_ = true;
  environment_->notifications().post(*name, anyFromJson(command.value("object", Json(nullptr))),
                                     userInfo != command.end() ? anyMapFromJson(*userInfo)
                                                               : std::map<std::string, std::any>{});
  hostPosting_ = false;
  return {};
}

ScriptDriver::Outcome ScriptDriver::manager(const Json& command) {
  auto method = optionalText(command, "method");
  if (!method) return {"manager: method must be an operation name", {}, {}};
  std::string error;
  auto result = ManagerCalls::call(*method, command.value("args", Json::object()), error);
  if (!result) return {error, {}, {}};
  return {{}, *result, {}};
}

ScriptDriver::Outcome ScriptDriver::fn(const Json& command) {
  auto name = optionalText(command, "name");
  if (!name) return {"fn: name must be a function name", {}, {}};
  std::string error;
  auto result = FunctionCalls::call(*name, command.value("args", Json::object()), error);
  if (!result) return {error, {}, {}};
  return {{}, *result, {}};
}

ScriptDriver::Outcome ScriptDriver::state(const Json&) { return {{}, ModuleStateDump::current(), {}}; }

ScriptDriver::Outcome ScriptDriver::auth(const Json& command) {
  auto reply = command.find("reply");
  if (reply == command.end()) return {"auth: reply must be the AuthMPosData fields or null", {}, {}};
  if (reply->is_null()) {
    authbase_->queueReply(std::nullopt);
    return {};
  }
  if (!reply->is_object()) return {"auth: reply must be the AuthMPosData fields or null", {}, {}};
  // Fields the reply leaves out read as false or empty.
  Json fields = encodeJsonValue(AuthMPosData{});
  for (const auto& [key, value] : reply->items()) fields[key] = value;
  auto data = decodeJson<AuthMPosData>(fields);
  if (!data) return {"auth: reply does not decode as AuthMPosData", {}, {}};
  authbase_->queueReply(std::move(*data));
  return {};
}

ScriptDriver::Outcome ScriptDriver::reply(const Json& command) {
  auto name = optionalText(command, "case");
  auto kind = name ? authCustomeCaseNamed(*name) : std::nullopt;
  if (!kind) return {"reply: case must be a request case name", {}, {}};
  if (command.value("fail", false)) {
    netlane_->replyFailure(*kind);
  } else if (auto json = command.find("json"); json != command.end()) {
    netlane_->replyJson(*kind, *json);
  } else if (auto body = optionalText(command, "body")) {
    netlane_->replyBody(*kind, NetlaneManager::Body(body->begin(), body->end()));
  } else if (auto encoded = optionalText(command, "bodyBase64")) {
    auto bytes = base64Decode(*encoded);
    if (!bytes) return {"reply: bodyBase64 is not Base64", {}, {}};
    netlane_->replyBody(*kind, std::move(*bytes));
  } else {
    return {"reply needs json, body, bodyBase64 or fail", {}, {}};
  }
  return {};
}

ScriptDriver::Outcome ScriptDriver::requests(const Json& command) {
  Json log = netlane_->requestsJson();
  if (command.value("clear", false)) netlane_->clearRequests();
  return {{}, log, {}};
}

ScriptDriver::Outcome ScriptDriver::shot(const Json& command) { return render(command, true); }
ScriptDriver::Outcome ScriptDriver::html(const Json& command) { return render(command, false); }

ScriptDriver::Outcome ScriptDriver::render(const Json& command, bool png) {
  auto path = optionalText(command, "path");
  if (!path || path->empty()) return {std::string(png ? "shot" : "html") + ": path must be a file name", {}, {}};
  std::string error;
  auto screen = ScreenQuery(environment_->window()).screenFor(command, error);
  if (!screen) return {error, {}, {}};
  auto& renderer = environment_->renderer();
  bool written = png ? renderer.writePng(*screen, *path, error) : renderer.writeHtml(*screen, *path, error);
  if (!written) return {error, {}, {}};
  return {};
}

}  // namespace kassio::sim
