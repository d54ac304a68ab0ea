#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/VirtualHost.h"
#include "kassio/platform/ui/Screen.h"

namespace kassio::platform {

// Each test on the test host: a virtual main loop, an empty window and the English table.
class UiPlatformTest : public ::testing::Test {
 protected:
  host::VirtualHost device;
  std::shared_ptr<VirtualRunLoop> loop = device.loop();
  std::shared_ptr<Window> window = device.window();
};

// A screen that writes its lifecycle calls into a shared log as "<tag>.<call>".
class RecordingScreen : public Screen {
 public:
  RecordingScreen(std::string tag, std::vector<std::string>& log) : tag_(std::move(tag)), log_(log) {}
  std::string className() const override { return "Recording"; }

 protected:
  void viewDidLoad() override { log_.push_back(tag_ + ".didLoad"); }
  void viewWillAppear(bool) override { log_.push_back(tag_ + ".willAppear"); }
  void viewDidAppear(bool) override { log_.push_back(tag_ + ".didAppear"); }
  void viewWillDisappear(bool) override { log_.push_back(tag_ + ".willDisappear"); }
  void viewDidDisappear(bool) override { log_.push_back(tag_ + ".didDisappear"); }

 private:
  std::string tag_;
  std::vector<std::string>& log_;
};

// Takes the entries logged so far, leaving the log empty.
inline std::vector<std::string> drain(std::vector<std::string>& log) {
  std::vector<std::string> taken;
  taken.swap(log);
  return taken;
}

// The calls one screen received, without its tag, in order.
inline std::vector<std::string> eventsOf(const std::vector<std::string>& log, const std::string& tag) {
  std::vector<std::string> events;
  for (const auto& entry : log)
    if (entry.rfind(tag + ".", 0) == 0) events.push_back(entry.substr(tag.size() + 1));
  return events;
}

}  // namespace kassio::platform
