#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/VirtualRunLoop.h"
#include "kassio/platform/text/Localization.h"
#include "kassio/platform/ui/Screen.h"
#include "kassio/platform/ui/Window.h"

namespace kassio::platform {

// Installs a virtual main loop, an empty window and the English table into the process-wide
// Platform, and puts back what was there afterwards.
class UiPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Platform::current();
    loop = std::make_shared<VirtualRunLoop>(Date{1'796'000'000});
    window = std::make_shared<Window>();
    auto& platform = Platform::current();
    platform.runLoop = loop;
    platform.window = window;
    platform.localization = std::make_shared<Localization>("en");
  }
  void TearDown() override { Platform::current() = saved_; }

  std::shared_ptr<VirtualRunLoop> loop;
  std::shared_ptr<Window> window;

 private:
  Platform saved_;
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
