// kassio-sandbox: the sandbox bank behind HTTP on 127.0.0.1.
//
//   kassio-sandbox --fixture fixtures/demo-merchant.json [--db bank.db] [--port 8080] [--token T]

#include <pthread.h>
#include <signal.h>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "kassio/platform/json/JsonValue.h"
#include "sandbox/SandboxBank.h"
#include "sandbox/SandboxServer.h"

namespace {

// A port written in decimal digits only: no sign, base prefix or trailing text.
std::optional<int> portNumber(const std::string& text) {
  int port = -1;
  const auto* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, port);
  if (text.empty() || text.front() == '-' || error != std::errc() || stop != end || port > 65535) return std::nullopt;
  return port;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app("Serves the sandbox bank over HTTP on 127.0.0.1.", "kassio-sandbox");
  app.set_version_flag("--version", "kassio-sandbox " KASSIO_VERSION);
  std::map<std::string, std::string> options{{"--db", ":memory:"}, {"--port", "8080"}, {"--token", ""}};
  app.add_option("--fixture", options["--fixture"], "Merchant fixture whose \"bank\" seeds the books")
      ->required()
      ->type_name("FILE");
  app.add_option("--db", options["--db"], "SQLite store of the bank's books (default: in memory, gone on exit)")
      ->type_name("FILE");
  app.add_option("--port", options["--port"], "Port on 127.0.0.1, 0 for any free one (default 8080)")
      ->check(CLI::Validator(
          [](std::string& text) { return portNumber(text) ? std::string{} : "must be a port number, 0 to 65535"; },
          ""))
      ->type_name("N");
  app.add_option("--token", options["--token"], "Bearer token every request must carry (default: none)")
      ->type_name("TOKEN");
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& helpOrVersion) {  // --help, --help-all, --version: printed, exit 0
    return app.exit(helpOrVersion);
  } catch (const CLI::ParseError& error) {
    std::cerr << "kassio-sandbox: " << error.what() << "\nRun kassio-sandbox --help for the options.\n";
    return 2;
  }
  const int port = *portNumber(options["--port"]);

  std::ifstream file(options["--fixture"], std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const auto fixture = file ? kassio::platform::parseJson(text) : std::nullopt;
  if (!fixture || !fixture->is_object()) {
    std::cerr << "kassio-sandbox: " << options["--fixture"] << " is not a readable JSON object\n";
    return 2;
  }

  std::string error;
  const auto seed = fixture->contains("bank") ? fixture->at("bank") : kassio::platform::JsonValue();
  std::shared_ptr<kassio::sandbox::SandboxBank> bank =
      kassio::sandbox::SandboxBank::open(seed, options["--db"], kassio::sandbox::SandboxBank::wallClock(), &error);
  if (!bank) {
    std::cerr << "kassio-sandbox: " << error << "\n";
    return 1;
  }

  // Signals are taken by sigwait below, not by the server's threads.
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);

  kassio::sandbox::SandboxServer server(bank, options["--token"]);
  const auto bound = server.bind(port);
  if (!bound) {
    std::cerr << "kassio-sandbox: cannot listen on 127.0.0.1:" << port << "\n";
    return 1;
  }
  server.start();
  std::cout << "kassio-sandbox listening on http://127.0.0.1:" << *bound << std::endl;
  int received = 0;
  sigwait(&signals, &received);
  server.stop();
  return 0;
}
