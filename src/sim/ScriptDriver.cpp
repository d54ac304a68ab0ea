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

// A file name the operating system can take as it stands: a NUL would cut it short.
bool isFileName(const std::string& path) { return !path.empty() && path.find('\0') == std::string::npos; }

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
  ArgumentReader members(command, ArgumentReader::memberWording);
  const bool wasStarted = environment_ != nullptr;
  Outcome outcome;
  // No command ends the run: whatever escapes one is that line's error.
  try {
    if (name != "start") outcome.error = ensureStarted();
    if (outcome.error.empty()) outcome = (this->*found->second)(members);
    if (!members.ok()) outcome = {name + ": " + members.error(), {}, {}};
    // Whatever the command set going that is due now runs before the next command.
    if (environment_) environment_->runLoop().runDue();
  } catch (const std::exception& failure) {
    outcome = {name + " failed: " + failure.what(), {}, {}};
  } catch (...) {
    outcome = {name + " failed", {}, {}};
  }
  // A start cut short leaves nothing behind (the notification log is its last step).
  if (!wasStarted && environment_ && !logToken_) abandonStart();

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
  ArgumentReader defaults(Json::object(), ArgumentReader::memberWording);
  return start(defaults).error;
}

ScriptDriver::Outcome ScriptDriver::start(ArgumentReader& command) {
  if (environment_) return {"start comes once, before every other command", {}, {}};
  const ModuleConfiguration::Switches switches{command.flag("theme", true), command.flag("netlane", true),
                                               command.flag("authbase", true)};
  if (!command.ok()) return {};
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
  if (!bank) {
    abandonStart();
    return {"start: the sandbox bank cannot open: " + error, {}, {}};
  }
  sandbox::attach(*netlane_, bank);
  authbase_->setFallback([bank](const std::string& tid) { return bank->authMPosData(tid); });
  if (auto failure = ModuleConfiguration::apply(switches, fixture_, {authbase_, netlane_}); !failure.empty()) {
    abandonStart();
    return {failure, {}, {}};
  }
  logToken_ = environment_->notifications().addObserver("", [this](const Notification& note) {
    if (hostPosting_) return;
    Json userInfo = Json::object();
    for (const auto& [key, value] : note.userInfo) userInfo[key] = jsonFromAny(value);
    posted_.push_back({{"name", note.name}, {"object", jsonFromAny(note.object)}, {"userInfo", userInfo}});
  });
  return {};
}

void ScriptDriver::abandonStart() {
  // The host's destructor puts back the platform and the module state it found.
  netlane_.reset();
  authbase_.reset();
  environment_.reset();
  fixture_ = Json::object();
}

std::optional<ScriptDriver::Json> ScriptDriver::loadFixture(ArgumentReader& command, std::string& error) {
  static const std::set<std::string> settingKeys{"do", "fixture", "theme", "netlane", "authbase",
                                                 "now", "tz", "language", "seed"};
  Json fixture = Json::object();
  if (auto path = command.optionalText("fixture")) {
    if (!isFileName(*path)) {
      error = "start: fixture must be a file name";
      return std::nullopt;
    }
    std::ifstream file(*path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    auto parsed = file ? parseJson(text) : std::nullopt;
    if (!parsed || !parsed->is_object()) {
      error = "start: fixture " + *path + " is not a readable JSON object";
      return std::nullopt;
    }
    fixture = std::move(*parsed);
  }
  if (!command.ok()) return std::nullopt;
  // Keys given inline override the file's.
  for (const auto& [key, value] : command.all().items())
    if (!settingKeys.count(key)) fixture[key] = value;
  return fixture;
}

ScriptDriver::Outcome ScriptDriver::expect(ArgumentReader& command) {
  std::string error;
  auto expectation = JsonExpectation::fromCommand(command.all(), error);
  if (!expectation) return {error, {}, {}};
  if (!lastData_) return {"expect: no command has returned data yet", {}, {}};
  Json actual;
  if (auto failure = expectation->check(*lastData_, actual)) return {*failure, {}, {{"actual", actual}}};
  return {};
}

ScriptDriver::Outcome ScriptDriver::wait(ArgumentReader& command) {
  auto seconds = command.number("seconds");
  if (!seconds) return {};
  if (*seconds < 0) return {"wait: seconds must be a number of seconds, not negative", {}, {}};
  environment_->runLoop().advance(*seconds);
  return {};
}

ScriptDriver::Outcome ScriptDriver::tap(ArgumentReader& command) {
  std::string error;
  auto element = ScreenQuery(environment_->window()).targetFor(command, error);
  if (!element) return {error, {}, {}};
  if (auto refusal = refusalToTouch(*element); !refusal.empty())
    return {command.text("target", "row") + " " + refusal, {}, {}};

  if (auto* list = dynamic_cast<ListView*>(element.get()); list && command.present("row") && !command.present("in")) {
    auto row = command.integer("row", 0);
    if (!command.ok()) return {};
    if (!list->selectRow(static_cast<std::size_t>(row)))
      return {"no row " + std::to_string(row) + " to select in " + list->name, {}, {}};
    return {};
  }
  element->tap();
  return {};
}

ScriptDriver::Outcome ScriptDriver::withTargetField(
    ArgumentReader& command, const std::function<Outcome(const std::shared_ptr<TextField>&)>& body) {
  std::string error;
  auto element = ScreenQuery(environment_->window()).targetFor(command, error);
  if (!element) return {error, {}, {}};
  auto field = std::dynamic_pointer_cast<TextField>(element);
  if (!field) return {command.text("target") + " is not a text field", {}, {}};
  return body(field);
}

ScriptDriver::Outcome ScriptDriver::type(ArgumentReader& command) {
  auto text = command.requiredText("text");
  if (!text) return {};
  return withTargetField(command, [&](const std::shared_ptr<TextField>& field) -> Outcome {
    if (auto refusal = refusalToTouch(*field); !refusal.empty()) return {field->name + " " + refusal, {}, {}};
    if (!field->becomeFirstResponder()) return {field->name + " does not begin editing", {}, {}};
    for (const auto& character : characters(*text)) field->offerAppend(character);
    return {};
  });
}

ScriptDriver::Outcome ScriptDriver::clear(ArgumentReader& command) {
  return withTargetField(command, [&](const std::shared_ptr<TextField>& field) -> Outcome {
    if (auto refusal = refusalToTouch(*field); !refusal.empty()) return {field->name + " " + refusal, {}, {}};
    if (!field->becomeFirstResponder()) return {field->name + " does not begin editing", {}, {}};
    field->offerEdit({0, utf16Length(field->text)}, "");
    return {};
  });
}

ScriptDriver::Outcome ScriptDriver::endEditing(ArgumentReader& command) {
  return withTargetField(command, [&](const std::shared_ptr<TextField>& field) -> Outcome {
    field->resignFirstResponder();
    return {};
  });
}

ScriptDriver::Outcome ScriptDriver::action(ArgumentReader& command) {
  auto name = command.requiredText("name");
  if (!name) return {};
  std::string error;
  ScreenQuery query(environment_->window());
  auto screen = query.screenFor(command, error);
  if (!screen) return {error, {}, {}};
  // The sender is named by "sender" ("target" is taken too), hidden or not.
  std::shared_ptr<View> sender;
  if (const char* member = command.present("sender") ? "sender" : command.present("target") ? "target" : nullptr) {
    sender = ScreenQuery::target(*screen, command, error, member);
    if (!sender) return {error, {}, {}};
  }
  if (!screen->performAction(*name, sender.get())) return {screen->className() + " has no action " + *name, {}, {}};
  return {};
}

ScriptDriver::Outcome ScriptDriver::swipe(ArgumentReader& command) {
  std::string error;
  auto list = std::dynamic_pointer_cast<ListView>(ScreenQuery(environment_->window()).targetFor(command, error));
  if (!command.ok()) return {};
  if (!list) return {error.empty() ? "swipe: the target is not a list" : error, {}, {}};
  auto page = command.integer("page", 0, INT32_MAX);
  if (!command.ok()) return {};
  if (auto refusal = refusalToTouch(*list); !refusal.empty()) return {list->name + " " + refusal, {}, {}};
  list->scrollToPage(static_cast<int>(page));
  return {};
}

ScriptDriver::Outcome ScriptDriver::alertAction(ArgumentReader& command) {
  auto title = command.requiredText("title");
  if (!title) return {};
  auto alert = std::dynamic_pointer_cast<AlertController>(environment_->window().topMostScreen());
  if (!alert) return {"no platform alert is shown", {}, {}};
  if (!alert->tapAction(*title)) return {"the alert has no action \"" + *title + "\"", {}, {}};
  return {};
}

ScriptDriver::Outcome ScriptDriver::dump(ArgumentReader& command) {
  std::string error;
  ScreenQuery query(environment_->window());
  auto screen = query.screenFor(command, error);
  if (!screen) return {error, {}, {}};
  return {{}, ScreenQuery::dump(*screen), {}};
}

ScriptDriver::Outcome ScriptDriver::nav(ArgumentReader&) {
  ScreenQuery query(environment_->window());
  return {{}, query.navigation(environment_->hostStack()), {}};
}

ScriptDriver::Outcome ScriptDriver::alert(ArgumentReader&) {
  ScreenQuery query(environment_->window());
  return {{}, query.alert(), {}};
}

ScriptDriver::Outcome ScriptDriver::showAlert(ArgumentReader& command) {
  const bool warning = command.flag("warning", false);
  auto title = command.optionalText("title");
  auto description = command.optionalText("description");
  // The host's close action: another driver command, run once the dialog has been closed (a
  // failure counts against the script like any other).
  std::function<void()> closeAction;
  if (command.present("closeAction")) {
    const Json& then = command.raw("closeAction");
    if (!then.is_object()) command.mismatch("closeAction", "a command");
    closeAction = [this, then, line = currentLine_] { run(then, line); };
  }
  if (!command.ok()) return {};
  kassio::showAlert(title, description, warning, nullptr, std::move(closeAction));
  return {};
}

ScriptDriver::Outcome ScriptDriver::defaults(ArgumentReader&) {
  Json all = Json::object();
  auto& store = environment_->defaults();
  for (const auto& key : store.keys()) {
    auto value = store.object(key);
    if (!value) continue;
    all[key] = std::visit([](const auto& item) { return Json(item); }, *value);
  }
  return {{}, all, {}};
}

ScriptDriver::Outcome ScriptDriver::setDefault(ArgumentReader& command) {
  auto key = command.requiredText("key");
  if (!key) return {};
  if (key->empty()) return {"setDefault: key must not be empty", {}, {}};
  const Json& value = command.raw("value");
  auto& store = environment_->defaults();
  if (value.is_null()) {
    store.remove(*key);
  } else if (value.is_boolean()) {
    store.set(*key, value.get<bool>());
  } else if (value.is_number_integer()) {
    // The store keeps 64-bit signed integers; a larger one is refused rather than wrapped.
    auto number = command.optionalInteger("value");
    if (!number) return {};
    store.set(*key, *number);
  } else if (value.is_string()) {
    store.set(*key, value.get<std::string>());
  } else if (value.is_object()) {
    UserDefaults::StringMap map;
    for (const auto& [name, item] : value.items()) {
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

ScriptDriver::Outcome ScriptDriver::notifications(ArgumentReader& command) {
  const bool clear = command.flag("clear", false);
  if (!command.ok()) return {};
  Json log = posted_;
  if (clear) posted_ = Json::array();
  return {{}, log, {}};
}

ScriptDriver::Outcome ScriptDriver::post(ArgumentReader& command) {
  auto name = command.requiredText("name");
  if (!name) return {};
  if (name->empty()) return {"post: name must not be empty", {}, {}};
  const Json& userInfo = command.raw("userInfo");
  if (!userInfo.is_object() && !userInfo.is_null()) command.mismatch("userInfo", "an object");
  if (!command.ok()) return {};
  hostPosting_ = true;
  environment_->notifications().post(*name, anyFromJson(command.raw("object")), anyMapFromJson(userInfo));
  hostPosting_ = false;
  return {};
}

ScriptDriver::Outcome ScriptDriver::manager(ArgumentReader& command) {
  auto method = command.requiredText("method");
  if (!method) return {};
  std::string error;
  auto result = ManagerCalls::call(*method, command.present("args") ? command.raw("args") : Json::object(), error);
  if (!result) return {error, {}, {}};
  return {{}, *result, {}};
}

ScriptDriver::Outcome ScriptDriver::fn(ArgumentReader& command) {
  auto name = command.requiredText("name");
  if (!name) return {};
  std::string error;
  auto result = FunctionCalls::call(*name, command.present("args") ? command.raw("args") : Json::object(), error);
  if (!result) return {error, {}, {}};
  return {{}, *result, {}};
}

ScriptDriver::Outcome ScriptDriver::state(ArgumentReader&) { return {{}, ModuleStateDump::current(), {}}; }

ScriptDriver::Outcome ScriptDriver::auth(ArgumentReader& command) {
  const Json& reply = command.raw("reply");
  if (!command.present("reply") || (!reply.is_null() && !reply.is_object()))
    return {"auth: reply must be the AuthMPosData fields or null", {}, {}};
  if (reply.is_null()) {
    authbase_->queueReply(std::nullopt);
    return {};
  }
  // Fields the reply leaves out read as false or empty.
  Json fields = encodeJsonValue(AuthMPosData{});
  for (const auto& [key, value] : reply.items()) fields[key] = value;
  auto data = decodeJson<AuthMPosData>(fields);
  if (!data) return {"auth: reply does not decode as AuthMPosData", {}, {}};
  authbase_->queueReply(std::move(*data));
  return {};
}

ScriptDriver::Outcome ScriptDriver::reply(ArgumentReader& command) {
  auto name = command.requiredText("case");
  if (!name) return {};
  auto kind = authCustomeCaseNamed(*name);
  if (!kind) return {"reply: case must be a request case name", {}, {}};
  const bool fail = command.flag("fail", false);
  auto body = command.optionalText("body");
  auto encoded = command.optionalText("bodyBase64");
  if (!command.ok()) return {};
  if (fail) {
    netlane_->replyFailure(*kind);
  } else if (command.present("json")) {
    netlane_->replyJson(*kind, command.raw("json"));
  } else if (body) {
    netlane_->replyBody(*kind, NetlaneManager::Body(body->begin(), body->end()));
  } else if (encoded) {
    auto bytes = base64Decode(*encoded);
    if (!bytes) return {"reply: bodyBase64 is not Base64", {}, {}};
    netlane_->replyBody(*kind, std::move(*bytes));
  } else {
    return {"reply needs json, body, bodyBase64 or fail", {}, {}};
  }
  return {};
}

ScriptDriver::Outcome ScriptDriver::requests(ArgumentReader& command) {
  const bool clear = command.flag("clear", false);
  if (!command.ok()) return {};
  Json log = netlane_->requestsJson();
  if (clear) netlane_->clearRequests();
  return {{}, log, {}};
}

ScriptDriver::Outcome ScriptDriver::shot(ArgumentReader& command) { return render(command, true); }
ScriptDriver::Outcome ScriptDriver::html(ArgumentReader& command) { return render(command, false); }

ScriptDriver::Outcome ScriptDriver::render(ArgumentReader& command, bool png) {
  auto path = command.requiredText("path");
  if (!path) return {};
  if (!isFileName(*path)) return {std::string(png ? "shot" : "html") + ": path must be a file name", {}, {}};
  std::string error;
  auto screen = ScreenQuery(environment_->window()).screenFor(command, error);
  if (!screen) return {error, {}, {}};
  auto& renderer = environment_->renderer();
  bool written = png ? renderer.writePng(*screen, *path, error) : renderer.writeHtml(*screen, *path, error);
  if (!written) return {error, {}, {}};
  return {};
}

}  // namespace kassio::sim
