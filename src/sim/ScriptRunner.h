#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace kassio::sim {

// Reads a JSON-lines script, runs each command through a ScriptDriver and prints one result
// line per command. Returns the exit status: 0 when every command and expectation held.
class ScriptRunner {
 public:
  explicit ScriptRunner(std::string defaultsFile) : defaultsFile_(std::move(defaultsFile)) {}
  int run(std::istream& script, std::ostream& results);

 private:
  std::string defaultsFile_;
};

}  // namespace kassio::sim
