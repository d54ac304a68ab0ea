#include "kassio/platform/ui/Screen.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "kassio/platform/ui/AlertController.h"
#include "platform/ui/UiTestSupport.h"

namespace kassio::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ScreenPresentation : public UiPlatformTest {
 protected:
  void SetUp() override {
    UiPlatformTest::SetUp();
    root = screen("root");
    window->setRootScreen(root);
  }

  std::shared_ptr<RecordingScreen> screen(const std::string& tag,
                                          ModalPresentationStyle style = ModalPresentationStyle::fullScreen) {
    auto made = std::make_shared<RecordingScreen>(tag, log);
    made->modalPresentationStyle = style;
    return made;
  }
  std::function<void()> note(const std::string& entry) {
    return [this, entry] { log.push_back(entry); };
  }

  std::vector<std::string> log;
  std::shared_ptr<RecordingScreen> root;
};

TEST_F(ScreenPresentation, WindowRootAppearsAndIsReplaced) {
  EXPECT_THAT(drain(log), ElementsAre("root.didLoad", "root.willAppear", "root.didAppear"));
  EXPECT_TRUE(root->isVisible());
  EXPECT_EQ(window->topMostScreen(), root);

  auto next = screen("next");
  window->setRootScreen(next);
  EXPECT_THAT(log, ElementsAre("root.willDisappear", "root.didDisappear", "next.didLoad", "next.willAppear",
                               "next.didAppear"));
  EXPECT_FALSE(root->isVisible());

  window->setRootScreen(next);  // the same root again changes nothing
  EXPECT_EQ(log.size(), 5u);
}

TEST_F(ScreenPresentation, PresentCompletesOnlyAfterTheLoopTurns) {
  drain(log);
  auto modal = screen("modal");
  ASSERT_TRUE(root->present(modal, true, note("completion")));

  EXPECT_EQ(root->presentedScreen(), modal);
  EXPECT_EQ(modal->presentingScreen(), root.get());
  EXPECT_EQ(window->topMostScreen(), modal);
  EXPECT_THAT(drain(log), ElementsAre("modal.didLoad", "root.willDisappear", "modal.willAppear"));

  loop->runDue();
  EXPECT_THAT(eventsOf(log, "modal"), ElementsAre("didAppear"));
  EXPECT_THAT(eventsOf(log, "root"), ElementsAre("didDisappear"));
  EXPECT_EQ(log.back(), "completion");
  EXPECT_TRUE(modal->isVisible());
  EXPECT_FALSE(root->isVisible());
}

TEST_F(ScreenPresentation, OverCurrentContextLeavesThePresenterOnScreen) {
  drain(log);
  auto sheet = screen("sheet", ModalPresentationStyle::overCurrentContext);
  ASSERT_TRUE(root->present(sheet, true));
  loop->runDue();
  sheet->dismiss(true);
  loop->runDue();

  EXPECT_THAT(eventsOf(log, "root"), IsEmpty());
  EXPECT_THAT(eventsOf(log, "sheet"), ElementsAre("didLoad", "willAppear", "didAppear", "willDisappear", "didDisappear"));
  EXPECT_TRUE(root->isVisible());
}

TEST_F(ScreenPresentation, DismissCompletionRunsAfterTheScreenIsGone) {
  auto modal = screen("modal");
  ASSERT_TRUE(root->present(modal, true));
  loop->runDue();
  drain(log);

  std::shared_ptr<Screen> presentedAtCompletion = modal;
  bool modalVisibleAtCompletion = true;
  modal->dismiss(true, [&] {
    presentedAtCompletion = root->presentedScreen();
    modalVisibleAtCompletion = modal->isVisible();
    log.push_back("completion");
  });
  EXPECT_THAT(drain(log), ElementsAre("modal.willDisappear", "root.willAppear"));
  EXPECT_EQ(root->presentedScreen(), nullptr);
  EXPECT_EQ(modal->presentingScreen(), nullptr);

  loop->runDue();
  EXPECT_THAT(eventsOf(log, "modal"), ElementsAre("didDisappear"));
  EXPECT_THAT(eventsOf(log, "root"), ElementsAre("didAppear"));
  EXPECT_EQ(log.back(), "completion");
  EXPECT_EQ(presentedAtCompletion, nullptr);
  EXPECT_FALSE(modalVisibleAtCompletion);
  EXPECT_TRUE(root->isVisible());
}

TEST_F(ScreenPresentation, DismissWithNothingPresentedStillCompletesLater) {
  bool done = false;
  root->dismiss(true, [&] { done = true; });
  EXPECT_FALSE(done);
  loop->runDue();
  EXPECT_TRUE(done);
  EXPECT_TRUE(root->isVisible());
}

TEST_F(ScreenPresentation, PresentingTwiceFromTheSameScreenIsRefused) {
  auto first = screen("first"), second = screen("second");
  ASSERT_TRUE(root->present(first, true));
  bool secondCompleted = false;
  EXPECT_FALSE(root->present(second, true, [&] { secondCompleted = true; }));
  loop->runDue();

  EXPECT_FALSE(secondCompleted);
  EXPECT_EQ(root->presentedScreen(), first);
  EXPECT_EQ(second->presentingScreen(), nullptr);
  EXPECT_FALSE(second->isViewLoaded());
  EXPECT_FALSE(root->present(nullptr, true));
}

TEST_F(ScreenPresentation, AScreenAlreadyPresentedOrInThePresentersChainIsRefused) {
  auto first = screen("first"), other = screen("other");
  ASSERT_TRUE(root->present(first, true));
  loop->runDue();

  EXPECT_FALSE(other->present(first, true));  // already presented by root
  EXPECT_FALSE(first->present(root, true));   // root presents first: a cycle
  EXPECT_FALSE(other->present(other, true));  // itself
  EXPECT_EQ(first->presentedScreen(), nullptr);
  EXPECT_EQ(other->presentedScreen(), nullptr);
  EXPECT_EQ(window->topMostScreen(), first);
}

TEST_F(ScreenPresentation, PresentingFromAScreenStillBeingPresentedShowsTheNewOne) {
  auto first = screen("first", ModalPresentationStyle::overCurrentContext);
  auto second = screen("second", ModalPresentationStyle::overCurrentContext);
  ASSERT_TRUE(root->present(first, true));
  ASSERT_TRUE(first->present(second, true));  // before the first transition has finished
  loop->runDue();

  EXPECT_THAT(eventsOf(log, "second"), ElementsAre("didLoad", "willAppear", "didAppear"));
  EXPECT_TRUE(second->isVisible());
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(window->topMostScreen(), second);
}

TEST_F(ScreenPresentation, DismissingAPresenterTakesItsChainDown) {
  auto middle = screen("middle"), top = screen("top");
  ASSERT_TRUE(root->present(middle, true));
  loop->runDue();
  ASSERT_TRUE(middle->present(top, true));
  loop->runDue();
  drain(log);

  root->dismiss(true, note("completion"));
  loop->runDue();

  EXPECT_EQ(root->presentedScreen(), nullptr);
  EXPECT_EQ(middle->presentedScreen(), nullptr);
  EXPECT_EQ(middle->presentingScreen(), nullptr);
  EXPECT_EQ(top->presentingScreen(), nullptr);
  EXPECT_EQ(window->topMostScreen(), root);
  EXPECT_THAT(eventsOf(log, "top"), ElementsAre("willDisappear", "didDisappear"));
  EXPECT_THAT(eventsOf(log, "middle"), IsEmpty());  // covered all along: it does not come back on the way out
  EXPECT_THAT(eventsOf(log, "root"), ElementsAre("willAppear", "didAppear"));
  EXPECT_EQ(log.back(), "completion");
  EXPECT_TRUE(root->isVisible());
  EXPECT_FALSE(middle->isVisible());
}

TEST_F(ScreenPresentation, DismissingAChainOfOverlaysHidesEachOnce) {
  auto lower = screen("lower", ModalPresentationStyle::overCurrentContext);
  auto upper = screen("upper", ModalPresentationStyle::overCurrentContext);
  ASSERT_TRUE(root->present(lower, true));
  ASSERT_TRUE(lower->present(upper, true));
  loop->runDue();
  drain(log);

  root->dismiss(true);
  loop->runDue();
  EXPECT_THAT(eventsOf(log, "upper"), ElementsAre("willDisappear", "didDisappear"));
  EXPECT_THAT(eventsOf(log, "lower"), ElementsAre("willDisappear", "didDisappear"));
  EXPECT_THAT(eventsOf(log, "root"), IsEmpty());
}

TEST_F(ScreenPresentation, DismissingTheTopLeavesTheRestOfTheChain) {
  auto middle = screen("middle"), top = screen("top");
  ASSERT_TRUE(root->present(middle, true));
  ASSERT_TRUE(middle->present(top, true));
  loop->runDue();
  drain(log);

  top->dismiss(true);
  loop->runDue();
  EXPECT_EQ(root->presentedScreen(), middle);
  EXPECT_EQ(window->topMostScreen(), middle);
  EXPECT_THAT(eventsOf(log, "middle"), ElementsAre("willAppear", "didAppear"));
  EXPECT_TRUE(middle->isVisible());
}

TEST_F(ScreenPresentation, ChildPresentsThroughItsContainer) {
  window->setRootScreen(nullptr);
  auto container = screen("container");
  auto child = screen("child");
  container->loadViewIfNeeded();
  auto slot = std::make_shared<View>();
  slot->frame.size = {300, 200};
  container->view()->addSubview(slot);
  container->addChild(child, slot);
  EXPECT_EQ(child->parent(), container.get());
  EXPECT_EQ(child->container(), slot.get());
  EXPECT_EQ(child->view()->superview(), slot.get());
  EXPECT_EQ(child->view()->frame.size, (Size{300, 200}));

  window->setRootScreen(container);
  EXPECT_TRUE(child->isVisible());  // appears with its container
  drain(log);

  auto modal = screen("modal");
  ASSERT_TRUE(child->present(modal, true));
  loop->runDue();
  EXPECT_EQ(container->presentedScreen(), modal);
  EXPECT_EQ(child->presentedScreen(), modal);
  EXPECT_EQ(modal->presentingScreen(), container.get());
  EXPECT_EQ(window->topMostScreen(), modal);
  EXPECT_THAT(eventsOf(log, "child"), ElementsAre("willDisappear", "didDisappear"));
  EXPECT_FALSE(child->present(screen("another"), true));  // its container already presents

  child->dismiss(true);  // dismisses what the container presents
  loop->runDue();
  EXPECT_EQ(container->presentedScreen(), nullptr);
  EXPECT_TRUE(child->isVisible());

  drain(log);
  child->removeFromParent();
  EXPECT_THAT(log, ElementsAre("child.willDisappear", "child.didDisappear"));
  EXPECT_EQ(child->parent(), nullptr);
  EXPECT_TRUE(slot->subviews().empty());
  EXPECT_TRUE(container->children().empty());
}

TEST_F(ScreenPresentation, ViewLoadsOnceAcrossAppearances) {
  auto modal = screen("modal");
  for (int round = 0; round < 3; ++round) {
    ASSERT_TRUE(root->present(modal, true));
    loop->runDue();
    modal->dismiss(true);
    loop->runDue();
  }
  EXPECT_EQ(std::count(log.begin(), log.end(), "modal.didLoad"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "modal.didAppear"), 3);
  EXPECT_EQ(std::count(log.begin(), log.end(), "root.didLoad"), 1);
}

TEST_F(ScreenPresentation, AlertActionRunsItsHandlerAfterDismissal) {
  auto alert = std::make_shared<AlertController>("Session expired", "Please log in again");
  std::shared_ptr<Screen> presentedInHandler = alert;
  bool presentedNext = false;
  alert->addAction({"Cancel", AlertActionStyle::cancel, nullptr});
  alert->addAction({"OK", AlertActionStyle::defaultStyle, [&] {
                      presentedInHandler = root->presentedScreen();
                      presentedNext = root->present(screen("next"), true);
                    }});
  ASSERT_TRUE(root->present(alert, true));
  loop->runDue();
  EXPECT_TRUE(root->isVisible());  // the alert lays over its presenter

  EXPECT_FALSE(alert->tapAction("Later"));
  EXPECT_EQ(root->presentedScreen(), alert);

  EXPECT_TRUE(alert->tapAction("OK"));
  EXPECT_EQ(presentedInHandler, alert);  // not yet run
  loop->runDue();
  EXPECT_EQ(presentedInHandler, nullptr);
  EXPECT_TRUE(presentedNext);
}

TEST_F(ScreenPresentation, AlertActionWithoutHandlerJustDismisses) {
  auto alert = std::make_shared<AlertController>("Title", "Message");
  alert->addAction({"Cancel", AlertActionStyle::cancel, nullptr});
  ASSERT_TRUE(root->present(alert, true));
  loop->runDue();
  EXPECT_TRUE(alert->tapAction("Cancel"));
  loop->runDue();
  EXPECT_EQ(root->presentedScreen(), nullptr);
  EXPECT_EQ(alert->className(), "UIAlertController");
}

TEST_F(ScreenPresentation, ActionsByNameWithOrWithoutColon) {
  int calls = 0;
  root->registerAction("closeButtonTapped:", [&](View*) { ++calls; });
  EXPECT_TRUE(root->hasAction("closeButtonTapped"));
  EXPECT_TRUE(root->hasAction("closeButtonTapped:"));
  EXPECT_TRUE(root->performAction("closeButtonTapped", nullptr));
  EXPECT_TRUE(root->performAction("closeButtonTapped:", nullptr));
  EXPECT_FALSE(root->performAction("other:", nullptr));
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(root->actionNames(), std::vector<std::string>{"closeButtonTapped"});
}

}  // namespace
}  // namespace kassio::platform
