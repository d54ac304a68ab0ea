#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "kassio/platform/foundation/NotificationCenter.h"
#include "kassio/transactions/ScriptedNetlane.h"
#include "sim/ArgumentReader.h"
#include "sim/DriverAuthbase.h"
#include "sim/SimEnvironment.h"

namespace kassio::sim {

// Runs driver commands against one module life and answers each with its result line. The
// script runner and the browser simulator both drive the module through it.
class ScriptDriver {
 public:
  using Json = nlohmann::ordered_json;

  explicit ScriptDriver(std::string defaultsFile = {});
  ~ScriptDriver();

  // Runs one command and returns its result line: {"ok":true[,"result":…]} or
  // {"ok":false,"error":…,"line":N}.
  Json run(const Json& command, int line);
  // The result line of a script line that is not a JSON command.
  Json malformed(const std::string& error, int line);
  // Every expect held and no command failed.
  bool succeeded() const { return failures_ == 0; }
  // The platform of this run, once started (tests put their own screens on it).
  SimEnvironment* environment() { return environment_.get(); }

 private:
  struct Outcome {
    std::string error;  // empty: success
    std::optional<Json> data;
    Json detail;  // extra members of a failed line (an expect's actual value)
  };
  using Command = Outcome (ScriptDriver::*)(ArgumentReader&);

  Outcome start(ArgumentReader& command);
  Outcome expect(ArgumentReader& command);
  Outcome wait(ArgumentReader& command);
  Outcome tap(ArgumentReader& command);
  Outcome type(ArgumentReader& command);
  Outcome clear(ArgumentReader& command);
  Outcome endEditing(ArgumentReader& command);
  Outcome action(ArgumentReader& command);
  Outcome swipe(ArgumentReader& command);
  Outcome alertAction(ArgumentReader& command);
  Outcome dump(ArgumentReader& command);
  Outcome nav(ArgumentReader& command);
  Outcome alert(ArgumentReader& command);
  Outcome showAlert(ArgumentReader& command);
  Outcome defaults(ArgumentReader& command);
  Outcome setDefault(ArgumentReader& command);
  Outcome notifications(ArgumentReader& command);
  Outcome post(ArgumentReader& command);
  Outcome manager(ArgumentReader& command);
  Outcome fn(ArgumentReader& command);
  Outcome state(ArgumentReader& command);
  Outcome auth(ArgumentReader& command);
  Outcome reply(ArgumentReader& command);
  Outcome requests(ArgumentReader& command);
  Outcome shot(ArgumentReader& command);
  Outcome html(ArgumentReader& command);
  Outcome render(ArgumentReader& command, bool png);

  // The merchant fixture of a start command: its file, overridden by the keys given inline.
  static std::optional<Json> loadFixture(ArgumentReader& command, std::string& error);
  // Undoes a start that failed half-way: the platform and the module state return to before it.
  void abandonStart();
  // Starts with the default settings when a script does not begin with `start`.
  std::string ensureStarted();
  Outcome withTargetField(ArgumentReader& command,
                          const std::function<Outcome(const std::shared_ptr<platform::TextField>&)>& body);

  static const std::map<std::string, Command>& commands();

  std::string defaultsFile_;
  std::unique_ptr<SimEnvironment> environment_;
  Json fixture_ = Json::object();
  std::shared_ptr<DriverAuthbase> authbase_;
  std::shared_ptr<ScriptedNetlane> netlane_;
  std::optional<platform::ObserverToken> logToken_;
  Json posted_ = Json::array();  // notifications the module posted
  bool hostPosting_ = false;     // the script itself is posting
  std::optional<Json> lastData_;
  int failures_ = 0;
  int currentLine_ = 0;

};

}  // namespace kassio::sim
