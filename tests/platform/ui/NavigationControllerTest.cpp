#include "kassio/platform/ui/NavigationController.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/UiTestSupport.h"

namespace kassio::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class NavigationStack : public UiPlatformTest {
 protected:
  void SetUp() override {
    UiPlatformTest::SetUp();
    first = screen("first");
    navigation = std::make_shared<NavigationController>(first);
    window->setRootScreen(navigation);
  }
  std::shared_ptr<RecordingScreen> screen(const std::string& tag) { return std::make_shared<RecordingScreen>(tag, log); }
  bool shownInNavigation(Screen& screen) const {
    return screen.isViewLoaded() && screen.view()->superview() == navigation->view().get();
  }

  std::vector<std::string> log;
  std::shared_ptr<RecordingScreen> first;
  std::shared_ptr<NavigationController> navigation;
};

TEST_F(NavigationStack, RootAppearsWithTheWindow) {
  EXPECT_THAT(log, ElementsAre("first.didLoad", "first.willAppear", "first.didAppear"));
  EXPECT_EQ(first->navigationController(), navigation.get());
  EXPECT_TRUE(shownInNavigation(*first));
}

TEST_F(NavigationStack, PushAndPopSwapTheTop) {
  drain(log);
  auto second = screen("second");
  navigation->pushViewController(second, true);
  EXPECT_THAT(eventsOf(log, "first"), ElementsAre("willDisappear", "didDisappear"));
  EXPECT_THAT(eventsOf(log, "second"), ElementsAre("didLoad", "willAppear", "didAppear"));
  EXPECT_EQ(navigation->topViewController(), second);
  EXPECT_EQ(second->navigationController(), navigation.get());
  EXPECT_TRUE(shownInNavigation(*second));
  EXPECT_FALSE(shownInNavigation(*first));
  drain(log);

  EXPECT_EQ(navigation->popViewController(true), second);
  EXPECT_THAT(eventsOf(log, "second"), ElementsAre("willDisappear", "didDisappear"));
  EXPECT_THAT(eventsOf(log, "first"), ElementsAre("willAppear", "didAppear"));  // no second load
  EXPECT_EQ(second->navigationController(), nullptr);
  EXPECT_TRUE(shownInNavigation(*first));
  EXPECT_FALSE(shownInNavigation(*second));
  drain(log);

  EXPECT_EQ(navigation->popViewController(true), nullptr);  // the root stays
  EXPECT_THAT(log, IsEmpty());
  EXPECT_EQ(navigation->viewControllers().size(), 1u);
}

TEST_F(NavigationStack, PopToRootSkipsTheScreensInBetween) {
  auto second = screen("second"), third = screen("third");
  navigation->pushViewController(second, false);
  navigation->pushViewController(third, false);
  drain(log);

  auto popped = navigation->popToRootViewController(true);
  ASSERT_EQ(popped.size(), 2u);
  EXPECT_EQ(popped[0], second);
  EXPECT_EQ(popped[1], third);
  EXPECT_THAT(eventsOf(log, "third"), ElementsAre("willDisappear", "didDisappear"));
  EXPECT_THAT(eventsOf(log, "second"), IsEmpty());
  EXPECT_THAT(eventsOf(log, "first"), ElementsAre("willAppear", "didAppear"));
  EXPECT_EQ(second->parent(), nullptr);
  EXPECT_EQ(third->parent(), nullptr);
  EXPECT_TRUE(navigation->popToRootViewController(true).empty());
}

TEST_F(NavigationStack, PushRefusesScreensThatBelongElsewhere) {
  navigation->pushViewController(first, true);  // already on the stack
  auto presented = screen("presented");
  ASSERT_TRUE(navigation->present(presented, true));
  navigation->pushViewController(presented, true);  // already presented
  EXPECT_EQ(navigation->viewControllers().size(), 1u);
}

TEST_F(NavigationStack, ShowPushesInsideAStackAndPresentsOutside) {
  auto second = screen("second");
  first->show(second);
  EXPECT_EQ(navigation->topViewController(), second);

  auto loose = screen("loose");
  auto modal = screen("modal");
  ASSERT_TRUE(second->present(loose, true));
  loop->runDue();
  loose->show(modal);  // not in a stack: presented
  loop->runDue();
  EXPECT_EQ(loose->presentedScreen(), modal);
}

TEST_F(NavigationStack, PushedScreenPresentsThroughTheStack) {
  auto second = screen("second");
  navigation->pushViewController(second, true);
  auto modal = screen("modal");
  ASSERT_TRUE(second->present(modal, true));
  loop->runDue();

  EXPECT_EQ(navigation->presentedScreen(), modal);
  EXPECT_EQ(modal->presentingScreen(), navigation.get());
  EXPECT_EQ(window->topMostScreen(), modal);
  EXPECT_FALSE(second->isVisible());  // covered along with its stack

  modal->dismiss(true);
  loop->runDue();
  EXPECT_TRUE(second->isVisible());
  EXPECT_FALSE(first->isVisible());
}

TEST_F(NavigationStack, ViewLoadsOnceAcrossPushes) {
  auto second = screen("second");
  for (int round = 0; round < 3; ++round) {
    navigation->pushViewController(second, true);
    navigation->popViewController(true);
  }
  EXPECT_EQ(std::count(log.begin(), log.end(), "second.didLoad"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "second.didAppear"), 3);
  EXPECT_EQ(std::count(log.begin(), log.end(), "first.didLoad"), 1);
}

TEST_F(NavigationStack, SetViewControllersReplacesTheStack) {
  auto second = screen("second"), third = screen("third");
  navigation->pushViewController(second, false);
  drain(log);

  navigation->setViewControllers({third, first}, false);
  EXPECT_EQ(navigation->topViewController(), first);
  EXPECT_EQ(second->parent(), nullptr);
  EXPECT_EQ(third->navigationController(), navigation.get());
  EXPECT_THAT(eventsOf(log, "second"), ElementsAre("willDisappear", "didDisappear"));
  EXPECT_THAT(eventsOf(log, "first"), ElementsAre("willAppear", "didAppear"));
  EXPECT_THAT(eventsOf(log, "third"), IsEmpty());
}

}  // namespace
}  // namespace kassio::platform
