// kassio-sandbox: the sandbox bank behind HTTP on 127.0.0.1.
//
//   kassio-sandbox --fixture fixtures/demo-merchant.json [--db bank.db] [--port 8080] [--token T]

#include <pthread.h>
#include <signal.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>

#include "kassio/platform/json/JsonValue.h"
#include "sandbox/SandboxBank.h"
#include "sandbox/SandboxServer.h"

namespace {

int usage(const std::string& problem) {
  std::cerr << "kassio-sandbox: " << problem << "\n"
            << "usage: kassio-sandbox --fixture FILE [--db FILE] [--port N] [--token TOKEN]\n"
            << "  --db     SQLite store of the bank's books (default: in memory, gone on exit)\n"
            << "  --port   port on 127.0.0.1, 0 for any free one (default 8080)\n"
            << "  --token  bearer token every request must carry (default: none)\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::string> options{{"--db", ":memory:"}, {"--port", "8080"}, {"--token", ""}};
  for (int i = 1; i < argc; i += 2) {
    const std::string name = argv[i];
    if (name != "--fixture" && !options.count(name)) return usage("unknown option " + name);
    if (i + 1 >= argc) return usage(name + " needs a value");
    options[name] = argv[i + 1];
  }
  if (!options.count("--fixture")) return usage("--fixture is required");
  int port = -1;
  try {
    port = std::stoi(options["--port"]);
  } catch (const std::exception&) {
  }
  if (port < 0 || port > 65535) return usage("--port must be a port number");

  std::ifstream file(options["--fixture"], std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const auto fixture = file ? kassio::platform::parseJson(text) : std::nullopt;
  if (!fixture || !fixture->is_object()) return usage(options["--fixture"] + " is not a readable JSON object");

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
