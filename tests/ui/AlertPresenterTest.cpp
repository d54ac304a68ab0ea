#include "kassio/ui/AlertPresenter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kassio/platform/ui/StackView.h"
#include "ui/AlertTestSupport.h"

namespace kassio {
namespace {

using namespace platform;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct StyleCase {
  bool warning;
  const char* card;
  const char* icon;
  bool iconTemplate;
  std::optional<Color> iconTint;
  Color titleColor;
};

TEST_F(AlertTest, StylesColourTheCardIconTitleAndCloseButton) {
  const StyleCase cases[] = {
      {true, "#FEF8E6", "alertIconNew", true, Color{0xF9, 0x9F, 0x35, 1}, Color{0xF9, 0x9F, 0x35, 1}},
      {false, "#FDEFED", "imgRedAlert", false, std::nullopt, Color{0xE2, 0x28, 0x53, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.warning ? "warning" : "error");
    showAlert("Invalid amount", "Enter an amount above ₹1", c.warning);
    auto dialog = topDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->presentingScreen(), root.get());
    EXPECT_EQ(dialog->modalPresentationStyle, ModalPresentationStyle::overCurrentContext);

    auto card = part<View>(*dialog, "containerView");
    EXPECT_EQ(card->backgroundColor, Color::fromHex(c.card));
    EXPECT_EQ(card->cornerRadius, 10);
    EXPECT_TRUE(card->clipsToBounds);

    auto icon = part<ImageView>(*dialog, "titleImageView");
    ASSERT_TRUE(icon->image);
    EXPECT_EQ(icon->image->assetName, c.icon);
    EXPECT_EQ(icon->isTemplate(), c.iconTemplate);
    EXPECT_EQ(icon->tintColor, c.iconTint);

    auto title = part<Label>(*dialog, "titleLabel");
    EXPECT_EQ(title->text(), "Invalid amount");
    EXPECT_EQ(title->textColor, c.titleColor);

    auto close = part<Button>(*dialog, "closeButton");
    EXPECT_FALSE(close->hidden);
    ASSERT_TRUE(close->image);
    EXPECT_EQ(close->image->assetName, "imgRedClose");
    EXPECT_EQ(close->image->renderingMode, ImageRenderingMode::alwaysTemplate);
    EXPECT_EQ(close->tintColor, c.titleColor);

    EXPECT_EQ(part<Label>(*dialog, "instructionLabel")->text(), "Enter an amount above ₹1");
    EXPECT_FALSE(part<Label>(*dialog, "instructionLabel")->attributedText());  // plain text
    EXPECT_FALSE(part<View>(*dialog, "instructionView")->hidden);
    EXPECT_TRUE(part<View>(*dialog, "actionView")->hidden);
    EXPECT_THAT(visibleTexts(*dialog), ElementsAre("Invalid amount", "Enter an amount above ₹1"));

    loop->runDue();
    EXPECT_TRUE(root->isVisible());  // the dialog lays over its presenter
    dialog->closeButtonTapped();
    loop->runDue();
    ASSERT_EQ(window->topMostScreen(), root);
  }
}

struct TextCase {
  const char* name;
  std::optional<std::string> title, description;
  bool shown;
  bool instructionShown;
  std::vector<std::string> texts;
};

TEST_F(AlertTest, EmptyAndAbsentTexts) {
  const TextCase cases[] = {
      {"both empty: nothing", "", "", false, false, {}},
      {"empty title: only the description", "", "Mobile number is invalid", true, true, {"Mobile number is invalid"}},
      {"absent title, empty description: empty dialog", std::nullopt, "", true, false, {}},
      {"title, absent description", "Saved", std::nullopt, true, false, {"Saved"}},
      {"both absent: empty dialog", std::nullopt, std::nullopt, true, false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    showAlert(c.title, c.description, true);
    auto dialog = topDialog();
    ASSERT_EQ(dialog != nullptr, c.shown);
    if (!dialog) continue;
    EXPECT_EQ(part<Label>(*dialog, "titleLabel")->text(), c.title.value_or(""));
    EXPECT_EQ(part<View>(*dialog, "instructionView")->hidden, !c.instructionShown);
    EXPECT_EQ(visibleTexts(*dialog), c.texts);
    EXPECT_FALSE(part<Button>(*dialog, "closeButton")->hidden);  // it can always be closed
    dialog->closeButtonTapped();
    loop->runDue();
    ASSERT_EQ(window->topMostScreen(), root);
  }
}

TEST_F(AlertTest, CloseActionRunsAfterTheDialogHasGone) {
  std::vector<std::string> log;
  auto next = std::make_shared<Screen>();
  showAlert("Payment failed", "Try again", false, nullptr, [&] {
    log.push_back(root->presentedScreen() ? "still shown" : "gone");
    log.push_back(root->present(next, true) ? "presented next" : "refused");
  });
  auto dialog = topDialog();
  ASSERT_NE(dialog, nullptr);
  loop->runDue();

  part<Button>(*dialog, "closeButton")->tap();  // a person's tap, through the button's target
  EXPECT_THAT(log, IsEmpty());
  loop->runDue();
  EXPECT_THAT(log, ElementsAre("gone", "presented next"));
  EXPECT_EQ(root->presentedScreen(), next);
}

TEST_F(AlertTest, WithoutPresenterGoesOverTheTopMostScreen) {
  auto sheet = std::make_shared<Screen>();
  ASSERT_TRUE(root->present(sheet, true));
  loop->runDue();

  showAlert("Limit reached", "", false);
  auto dialog = topDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->presentingScreen(), sheet.get());
  EXPECT_EQ(sheet->presentedScreen(), dialog);
}

TEST_F(AlertTest, PresenterThatAlreadyPresentsPassesTheDialogUpItsChain) {
  auto sheet = std::make_shared<Screen>();
  ASSERT_TRUE(root->present(sheet, true));
  loop->runDue();

  showAlert("Saved", "", true, root);
  auto dialog = topDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->presentingScreen(), sheet.get());
  EXPECT_EQ(root->presentedScreen(), sheet);
}

TEST_F(AlertTest, GivenPresenterIsUsedEvenOffTheWindow) {
  auto elsewhere = std::make_shared<Screen>();
  showAlert("Saved", "", true, elsewhere);
  EXPECT_NE(std::dynamic_pointer_cast<Dialog>(elsewhere->presentedScreen()), nullptr);
  EXPECT_EQ(root->presentedScreen(), nullptr);
}

TEST_F(AlertTest, SecondMessageStacksOverTheFirstAndBothAreShown) {
  showAlert("First", "", false);
  auto first = topDialog();
  showAlert("Second", "", false);  // in the same turn of the loop
  auto second = topDialog();
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  ASSERT_NE(first, second);
  loop->runDue();
  EXPECT_EQ(second->presentingScreen(), first.get());
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(second->isVisible());

  second->closeButtonTapped();
  loop->runDue();
  EXPECT_EQ(topDialog(), first);
  EXPECT_FALSE(second->isVisible());
}

TEST_F(AlertTest, NoWindowOrNoRootShowsNothing) {
  window->setRootScreen(nullptr);
  showAlert("Lost", "Nobody sees this", false);
  EXPECT_EQ(window->topMostScreen(), nullptr);

  Platform::current().window = nullptr;
  bool closed = false;
  showAlert("Lost", "Nobody sees this", true, nullptr, [&] { closed = true; });
  loop->runDue();
  EXPECT_FALSE(closed);
  EXPECT_EQ(root->presentedScreen(), nullptr);
}

}  // namespace
}  // namespace kassio
