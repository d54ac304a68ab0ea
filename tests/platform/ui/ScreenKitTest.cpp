#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "kassio/platform/foundation/NotificationCenter.h"
#include "kassio/platform/foundation/Subscription.h"
#include "kassio/platform/foundation/Weakly.h"
#include "kassio/platform/ui/Elements.h"
#include "kassio/platform/ui/ListAdapter.h"
#include "kassio/platform/ui/Screen.h"
#include "platform/ui/UiTestSupport.h"

namespace kassio::platform {
namespace {

// A small form written on the kit: inputs, outlets, actions, one update(), field tables.
class TipForm final : public Screen {
  KASSIO_SCREEN(TipForm)
 public:
  struct Inputs {
    std::string title{};
    std::optional<std::string> note{};
    static constexpr auto jsonFields =
        std::make_tuple(jsonField("title", &Inputs::title), jsonField("note", &Inputs::note));
  };
  static std::shared_ptr<Self> make(Inputs inputs) { return makeScreen<Self>(std::move(inputs)); }

  Inputs inputs;
  int taps = 0;
  std::vector<std::string> senders;
  int updates = 0;
  static constexpr auto stateFields = std::make_tuple(jsonField("taps", &TipForm::taps));

  KASSIO_OUTLET(Label, titleLabel);
  KASSIO_OUTLET(Button, btnAdd);
  KASSIO_OUTLET(View, badge);
  KASSIO_OUTLET(TextField, amountTxt);
  KASSIO_OUTLET(LayoutConstraint, badgeHeight);
  KASSIO_OUTLET(Label, neverPlaced);

  void btnAddTapped() {
    ++taps;
    update();
  }
  void badgeTapped(View* sender) { senders.push_back(sender ? sender->name : "none"); }
  void amountChanged(View* sender) { senders.push_back(sender ? sender->name : "none"); }
  void resetTaps() {
    taps = 0;
    update();
  }

 protected:
  void loadView() override {
    Screen::loadView();
    add(titleLabel, makeLabel({.font = Font{"Inter-SemiBold", 16}, .lines = 0}));
    onTap(add(btnAdd, makeButton({.title = "Add"})), KASSIO_ACTION(btnAddTapped));
    onTap(add(badge), KASSIO_ACTION(badgeTapped));
    on(add(amountTxt), ControlEvent::editingChanged, KASSIO_ACTION(amountChanged));
    add(badgeHeight, 12);
    registerAction(KASSIO_ACTION(resetTaps));
  }
  void update() override {
    ++updates;
    titleLabel->setText(inputs.title + " (" + std::to_string(taps) + ")");
    badge->hidden = taps == 0;
  }
};

class ScreenKit : public UiPlatformTest {};

TEST_F(ScreenKit, OutletsAreConnectedOnceUnderTheirMemberNames) {
  auto form = TipForm::make({.title = "Tips"});
  form->loadViewIfNeeded();

  EXPECT_EQ(form->className(), "TipForm");
  EXPECT_EQ(form->element("titleLabel"), form->titleLabel.lock());
  EXPECT_EQ(form->element("btnAdd")->name, "btnAdd");
  EXPECT_EQ(form->outlets().constraint("badgeHeight")->constant, 12);
  EXPECT_EQ(form->outlets().names(),
            (std::vector<std::string>{"titleLabel", "btnAdd", "badge", "amountTxt", "badgeHeight"}));
  // update() ran once, after the structure was built.
  EXPECT_EQ(form->updates, 1);
  EXPECT_EQ(form->titleLabel->text(), "Tips (0)");
  EXPECT_TRUE(form->badge->hidden);
}

TEST_F(ScreenKit, AnOutletUsedBeforeItIsConnectedNamesItself) {
  auto form = TipForm::make({});
  EXPECT_FALSE(form->titleLabel);
  try {
    form->titleLabel->setText("x");
    FAIL() << "expected a logic error";
  } catch (const std::logic_error& error) {
    EXPECT_STREQ(error.what(), "outlet titleLabel is not connected");
  }
  form->loadViewIfNeeded();
  EXPECT_THROW(form->neverPlaced->text(), std::logic_error);
}

TEST_F(ScreenKit, AnActionWrittenOnceAnswersTapsAndItsSelector) {
  auto form = TipForm::make({.title = "Tips"});
  form->loadViewIfNeeded();

  form->btnAdd->tap();
  EXPECT_TRUE(form->performAction("btnAddTapped:", nullptr));
  EXPECT_EQ(form->taps, 2);
  EXPECT_EQ(form->titleLabel->text(), "Tips (2)");
  EXPECT_FALSE(form->badge->hidden);

  // A plain view's tap gesture and a control event pass their sender.
  form->badge->tap();
  form->amountTxt->offerAppend("5");
  EXPECT_TRUE(form->performAction("badgeTapped", nullptr));
  EXPECT_EQ(form->senders, (std::vector<std::string>{"badge", "amountTxt", "none"}));

  // An action registered for hosts only.
  EXPECT_TRUE(form->performAction("resetTaps", nullptr));
  EXPECT_EQ(form->taps, 0);
  EXPECT_EQ(form->actionNames(),
            (std::vector<std::string>{"amountChanged", "badgeTapped", "btnAddTapped", "resetTaps"}));
}

TEST_F(ScreenKit, DumpFieldsComeFromTheInputsThenTheStateTable) {
  auto form = TipForm::make({.title = "Tips"});
  form->taps = 3;
  EXPECT_EQ(form->fields().dump(), R"({"title":"Tips","note":null,"taps":3})");
  form->inputs.note = "round up";
  EXPECT_EQ(form->fields()["note"], "round up");
}

TEST_F(ScreenKit, WeakCompletionsDoNothingOnceTheScreenHasGone) {
  auto form = TipForm::make({.title = "Tips"});
  form->loadViewIfNeeded();
  auto byMember = weakly(form.get(), &TipForm::btnAddTapped);
  std::vector<int> seen;
  auto byBody = weakly(form.get(), [&seen](TipForm& screen, int extra) { seen.push_back(screen.taps + extra); });

  byMember();
  byBody(10);
  EXPECT_EQ(seen, std::vector<int>{11});

  std::weak_ptr<TipForm> gone = form;
  form.reset();
  EXPECT_TRUE(gone.expired()) << "a weak completion must not keep the screen alive";
  byMember();
  byBody(10);
  EXPECT_EQ(seen, std::vector<int>{11});
}

TEST(Subscription, ObserversEndWithTheirSubscription) {
  auto center = std::make_shared<NotificationCenter>();
  std::vector<std::string> heard;
  {
    auto first = subscribe(center, "paid", [&](const Notification& note) { heard.push_back("first " + note.name); });
    Subscription moved = subscribe(center, "", [&](const Notification& note) { heard.push_back("all " + note.name); });
    Subscription kept = std::move(moved);
    EXPECT_FALSE(moved.isActive());
    center->post("paid");
    kept.cancel();
    center->post("paid");
  }
  center->post("paid");
  EXPECT_EQ(heard, (std::vector<std::string>{"first paid", "all paid", "first paid"}));

  // A subscription that outlives its centre ends quietly.
  auto late = subscribe(center, "x", [](const Notification&) {});
  center.reset();
  EXPECT_FALSE(late.isActive());
  late.cancel();
  EXPECT_FALSE(subscribe(nullptr, "x", [](const Notification&) {}).isActive());
}

// A list on the kit: a cell declared like a screen, filled by a small adapter.
class AmountCell final : public Cell {
  KASSIO_CELL(AmountCell)
 public:
  KASSIO_OUTLET(Label, amountLabel);
  KASSIO_OUTLET(Button, btnRemove);

 protected:
  void loadView() override {
    add(amountLabel);
    add(btnRemove, makeButton({.title = "Remove"}));
  }
};

class AmountsManager final : public ListAdapter<double, AmountCell> {
 public:
  std::vector<int> selected;

 protected:
  void fill(AmountCell& cell, const double& amount, IndexPath indexPath) override {
    cell.amountLabel->setText(std::to_string(indexPath.item) + ": " + std::to_string(static_cast<int>(amount)));
  }
  void didSelect(const double&, IndexPath indexPath) override { selected.push_back(indexPath.item); }
};

TEST_F(ScreenKit, ListAdapterFillsOneCellPerRowAndAnswersSelection) {
  auto list = std::make_shared<CollectionView>();
  auto manager = std::make_shared<AmountsManager>();
  manager->attach(*list);
  manager->setRows({150, 20}, *list);

  ASSERT_EQ(list->rows().size(), 2u);
  auto dump = list->rows()[1]->outlets()->describe();
  EXPECT_EQ(dump["amountLabel"]["text"], "1: 20");
  EXPECT_EQ(dump["btnRemove"]["title"], "Remove");

  EXPECT_TRUE(list->selectRow(0));
  EXPECT_FALSE(list->selectRow(2));
  manager->setRows({}, *list);
  EXPECT_TRUE(list->rows().empty());
  EXPECT_EQ(manager->selected, std::vector<int>{0});
}

}  // namespace
}  // namespace kassio::platform
