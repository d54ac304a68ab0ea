#include "kassio/platform/foundation/NotificationCenter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kassio::platform {
namespace {

TEST(NotificationCenter, DeliversByNameInRegistrationOrderAndEverythingToUnnamedObservers) {
  NotificationCenter center;
  std::vector<std::string> calls;
  center.addObserver("", [&](const Notification& n) { calls.push_back("all:" + n.name); });
  center.addObserver("paid", [&](const Notification&) { calls.push_back("paid#1"); });
  center.addObserver("cancelled", [&](const Notification&) { calls.push_back("cancelled"); });
  center.addObserver("paid", [&](const Notification&) { calls.push_back("paid#2"); });

  center.post("paid");
  center.post("unobserved");

  EXPECT_EQ(calls, (std::vector<std::string>{"all:paid", "paid#1", "paid#2", "all:unobserved"}));
}

TEST(NotificationCenter, CarriesObjectAndUserInfoAsTheyWerePosted) {
  NotificationCenter center;
  auto sender = std::make_shared<int>(7);
  std::shared_ptr<int> receivedSender;
  std::string amount;
  bool flag = false;
  bool emptyObject = false;
  center.addObserver("status", [&](const Notification& n) {
    receivedSender = std::any_cast<std::shared_ptr<int>>(n.object);
    amount = std::any_cast<std::string>(n.userInfo.at("amount"));
    flag = std::any_cast<bool>(n.userInfo.at("success"));
  });
  center.addObserver("bare", [&](const Notification& n) {
    emptyObject = !n.object.has_value() && n.userInfo.empty();
  });

  center.post("status", sender, {{"amount", std::string("120.50")}, {"success", true}});
  center.post(Notification{"bare", {}, {}});

  EXPECT_EQ(receivedSender, sender);
  EXPECT_EQ(amount, "120.50");
  EXPECT_TRUE(flag);
  EXPECT_TRUE(emptyObject);
}

TEST(NotificationCenter, ObserversChangedDuringDeliveryTakeEffectSafely) {
  NotificationCenter center;
  std::vector<std::string> calls;
  ObserverToken self{}, later{};
  bool added = false;
  self = center.addObserver("n", [&](const Notification&) {
    calls.push_back("self");
    center.removeObserver(self);   // removes itself while running
    center.removeObserver(later);  // and one not yet called for this post
    if (!added) {
      added = true;
      center.addObserver("n", [&](const Notification&) { calls.push_back("added"); });
    }
  });
  center.addObserver("n", [&](const Notification&) { calls.push_back("kept"); });
  later = center.addObserver("n", [&](const Notification&) { calls.push_back("later"); });

  center.post("n");
  EXPECT_EQ(calls, (std::vector<std::string>{"self", "kept"}));

  calls.clear();
  center.post("n");
  EXPECT_EQ(calls, (std::vector<std::string>{"kept", "added"}));

  center.removeObserver(self);  // already gone: ignored
  center.removeObserver(ObserverToken{12345});
  calls.clear();
  center.post("n");
  EXPECT_EQ(calls, (std::vector<std::string>{"kept", "added"}));
}

TEST(NotificationCenter, NestedPostIsDeliveredBeforeTheOuterOneContinues) {
  NotificationCenter center;
  std::vector<std::string> calls;
  center.addObserver("outer", [&](const Notification&) {
    calls.push_back("outer#1");
    center.post("inner");
  });
  center.addObserver("outer", [&](const Notification&) { calls.push_back("outer#2"); });
  center.addObserver("inner", [&](const Notification&) { calls.push_back("inner"); });

  center.post("outer");

  EXPECT_EQ(calls, (std::vector<std::string>{"outer#1", "inner", "outer#2"}));
}

}  // namespace
}  // namespace kassio::platform
