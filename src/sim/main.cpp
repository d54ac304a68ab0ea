// kassio-sim: runs the module headless. `kassio-sim script FILE|-` drives it from a JSON-lines
// script and prints a JSON result line per command.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "sim/ScriptRunner.h"

int main(int argc, char** argv) {
  CLI::App app("Runs the Kassio module headless, on a virtual clock and the in-process sandbox bank.",
               "kassio-sim");
  app.set_version_flag("--version", "kassio-sim " KASSIO_VERSION);
  app.require_subcommand(1);

  std::string scriptPath;
  std::string defaultsFile;
  app.footer("Example: kassio-sim script tests/scenarios/module-entry.jsonl --defaults defaults.db");
  CLI::App* script = app.add_subcommand("script", "Run a JSON-lines script, printing a JSON result line per command");
  script->footer("Exit status: 0 when every command and expectation held, 1 otherwise, 2 for a bad command line.");
  script->add_option("FILE", scriptPath, "The script, one command a line, or - for standard input")
      ->required()
      ->type_name("");
  script->add_option("--defaults", defaultsFile,
                     "SQLite file of the user defaults, kept between runs (default: a fresh store)")
      ->type_name("FILE");

  const auto refuse = [](const std::string& problem) {
    std::cerr << "kassio-sim: " << problem << "\nRun kassio-sim --help for the commands and options.\n";
    return 2;
  };
  // Without this CLI11 would only say that a command is missing.
  if (argc > 1 && argv[1][0] != '-' && std::string(argv[1]) != script->get_name())
    return refuse(std::string("unknown command ") + argv[1]);

  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& helpOrVersion) {  // --help, --help-all, --version: printed, exit 0
    return app.exit(helpOrVersion);
  } catch (const CLI::ParseError& error) {
    return refuse(error.what());
  }

  kassio::sim::ScriptRunner runner(defaultsFile);
  if (scriptPath == "-") return runner.run(std::cin, std::cout);
  std::error_code ignored;
  if (std::filesystem::is_directory(scriptPath, ignored)) return refuse(scriptPath + " is a directory, not a script");
  std::ifstream file(scriptPath);
  if (!file) return refuse("cannot read " + scriptPath);
  return runner.run(file, std::cout);
}
