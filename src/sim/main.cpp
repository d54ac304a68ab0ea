// kassio-sim: runs the module headless. `kassio-sim script FILE|-` drives it from a JSON-lines
// script and prints a JSON result line per command.
#include <fstream>
#include <iostream>
#include <string>

#include "sim/ScriptRunner.h"

namespace {

int usage() {
  std::cerr << "usage: kassio-sim script FILE|- [--defaults FILE]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || std::string(argv[1]) != "script") return usage();
  std::string scriptPath = argv[2];
  std::string defaultsFile;
  for (int i = 3; i < argc; ++i) {
    std::string option = argv[i];
    if (option == "--defaults" && i + 1 < argc) {
      defaultsFile = argv[++i];
    } else {
      return usage();
    }
  }
  kassio::sim::ScriptRunner runner(defaultsFile);
  if (scriptPath == "-") return runner.run(std::cin, std::cout);
  std::ifstream script(scriptPath);
  if (!script) {
    std::cerr << "kassio-sim: cannot read " << scriptPath << '\n';
    return 2;
  }
  return runner.run(script, std::cout);
}
