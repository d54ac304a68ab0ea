#include "sim/ScriptRunner.h"

#include "kassio/platform/json/Json.h"
#include "sim/ScriptDriver.h"

namespace kassio::sim {

namespace {

bool skipped(const std::string& line) {
  auto first = line.find_first_not_of(" \t\r");
  return first == std::string::npos || line[first] == '#';
}

}  // namespace

int ScriptRunner::run(std::istream& script, std::ostream& results) {
  ScriptDriver driver(defaultsFile_);
  std::string line;
  int number = 0;
  while (std::getline(script, line)) {
    ++number;
    if (skipped(line)) continue;
    auto command = platform::parseJson(line);
    auto result = command ? driver.run(*command, number) : driver.malformed("not a JSON line", number);
    results << platform::writeJson(result) << '\n' << std::flush;
  }
  return driver.succeeded() ? 0 : 1;
}

}  // namespace kassio::sim
