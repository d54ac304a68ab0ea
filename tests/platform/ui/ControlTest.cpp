#include "kassio/platform/ui/Control.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "kassio/platform/ui/Button.h"
#include "kassio/platform/ui/Screen.h"

namespace kassio::platform {
namespace {

// Answers a fixed set of selectors and remembers each call with its sender.
class FakeTarget : public ActionTarget {
 public:
  explicit FakeTarget(std::vector<std::string>& log) : log_(log) {}
  bool performAction(const std::string& selector, View* sender) override {
    if (selector == "unknown:") return false;
    log_.push_back(selector + "@" + (sender ? sender->name : "null"));
    return true;
  }

 private:
  std::vector<std::string>& log_;
};

class ControlActions : public ::testing::Test {
 protected:
  void SetUp() override {
    button = std::make_shared<Button>();
    button->name = "payButton";
  }
  std::vector<std::string> log;
  std::shared_ptr<Button> button;
};

TEST_F(ControlActions, TapSendsTargetsAndClosuresInAttachmentOrder) {
  auto target = std::make_shared<FakeTarget>(log);
  button->addTarget(target, "payTapped:", ControlEvent::touchUpInside);
  button->addAction(ControlEvent::touchUpInside, [&](Control& sender) { log.push_back("closure@" + sender.name); });
  button->addTarget(target, "unknown:", ControlEvent::touchUpInside);  // not answered: skipped quietly
  button->addTarget(target, "valueChanged:", ControlEvent::valueChanged);
  button->addTarget(target, "again:", ControlEvent::touchUpInside);

  button->tap();
  EXPECT_EQ(log, (std::vector<std::string>{"payTapped:@payButton", "closure@payButton", "again:@payButton"}));
  EXPECT_EQ(button->selectors(ControlEvent::touchUpInside),
            (std::vector<std::string>{"payTapped:", "unknown:", "again:"}));
  EXPECT_EQ(button->selectors(ControlEvent::editingChanged), std::vector<std::string>{});

  log.clear();
  button->sendActions(ControlEvent::valueChanged);
  EXPECT_EQ(log, std::vector<std::string>{"valueChanged:@payButton"});
}

TEST_F(ControlActions, TargetsAreHeldWeakly) {
  auto target = std::make_shared<FakeTarget>(log);
  button->addTarget(target, "payTapped:", ControlEvent::touchUpInside);
  target.reset();
  button->tap();
  EXPECT_TRUE(log.empty());
}

TEST_F(ControlActions, ScreenAnswersSelectorsByName) {
  auto screen = std::make_shared<Screen>();
  View* seen = nullptr;
  screen->registerAction("closeButtonTapped:", [&](View* sender) { seen = sender; });
  button->addTarget(screen, "closeButtonTapped:", ControlEvent::touchUpInside);
  button->addTarget(screen, "closeButtonTapped", ControlEvent::valueChanged);  // same action without the colon

  button->tap();
  EXPECT_EQ(seen, button.get());
  seen = nullptr;
  button->sendActions(ControlEvent::valueChanged);
  EXPECT_EQ(seen, button.get());
  EXPECT_FALSE(screen->performAction("nothingHere:", nullptr));
}

TEST_F(ControlActions, DisabledControlIgnoresTaps) {
  int gestures = 0, actions = 0;
  button->addTapAction([&](View&) { ++gestures; });
  button->addAction(ControlEvent::touchUpInside, [&](Control&) { ++actions; });
  button->enabled = false;
  button->tap();
  EXPECT_EQ(gestures + actions, 0);

  button->enabled = true;
  button->tap();
  EXPECT_EQ(gestures, 1);
  EXPECT_EQ(actions, 1);
}

TEST_F(ControlActions, RemovingActionsDuringDispatchIsSafeAndHoldsFromTheNextTap) {
  button->addAction(ControlEvent::touchUpInside, [&](Control& sender) {
    log.push_back("first");
    sender.removeAllTargets();
  });
  button->addAction(ControlEvent::touchUpInside, [&](Control&) { log.push_back("second"); });

  button->tap();  // the dispatch in progress finishes with the actions it started with
  EXPECT_EQ(log, (std::vector<std::string>{"first", "second"}));
  button->tap();
  EXPECT_EQ(log.size(), 2u);
  EXPECT_TRUE(button->selectors(ControlEvent::touchUpInside).empty());
}

TEST_F(ControlActions, ActionMayDropTheLastReferenceToItsControl) {
  auto parent = std::make_shared<View>();
  parent->addSubview(button);
  std::weak_ptr<Button> weak = button;
  button->addAction(ControlEvent::touchUpInside, [&](Control& sender) { sender.removeFromSuperview(); });
  button->addAction(ControlEvent::touchUpInside, [&](Control& sender) { log.push_back("after:" + sender.name); });
  auto* raw = button.get();
  button.reset();  // only the parent owns it now

  raw->tap();
  EXPECT_EQ(log, std::vector<std::string>{"after:payButton"});
  EXPECT_TRUE(weak.expired());
  EXPECT_TRUE(parent->subviews().empty());
}

}  // namespace
}  // namespace kassio::platform
