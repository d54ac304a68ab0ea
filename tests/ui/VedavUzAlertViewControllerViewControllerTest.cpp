#include "kassio/ui/VedavUzAlertViewControllerViewController.h"

#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "kassio/platform/text/Localization.h"
#include "ui/AlertTestSupport.h"

namespace kassio {
namespace {

using namespace platform;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::shared_ptr<Dialog> makeDialog(std::string descData, std::string attributedInstruction = "",
                                   std::string buttonTitle1 = "", std::string buttonTitle2 = "",
                                   bool hideCloseButton = false) {
  auto dialog = Dialog::make("#FEF8E6", "alertIconNew", "#F99F35", "Heads up", std::move(descData),
                             std::move(attributedInstruction), std::move(buttonTitle1), std::move(buttonTitle2),
                             hideCloseButton);
  dialog->loadViewIfNeeded();
  return dialog;
}

TEST_F(AlertTest, FactoryWithAnyOtherIconShowsTheGenericIconTinted) {
  auto dialog = Dialog::make("#FDEFED", "alertIconNew", "#E22853", "Refused", "Card declined", "", "", "", false);
  dialog->modalPresentationStyle = ModalPresentationStyle::overCurrentContext;
  ASSERT_TRUE(root->present(dialog, true));

  auto icon = part<ImageView>(*dialog, "titleImageView");
  ASSERT_TRUE(icon->image);
  EXPECT_EQ(icon->image->assetName, "alertIconNew");
  EXPECT_TRUE(icon->isTemplate());
  EXPECT_EQ(icon->tintColor, (Color{0xE2, 0x28, 0x53, 1}));
  EXPECT_EQ(part<View>(*dialog, "containerView")->backgroundColor, (Color{0xFD, 0xEF, 0xED, 1}));
  EXPECT_EQ(dialog->fields()["iconImage"], "alertIconNew");

  auto other = Dialog::make("#FDEFED", "imgRedAlert ", "#E22853", "", "", "", "", "", false);
  other->loadViewIfNeeded();  // only the exact name shows the red icon as drawn
  EXPECT_EQ(part<ImageView>(*other, "titleImageView")->image->assetName, "alertIconNew");
}

TEST_F(AlertTest, HideCloseButtonHidesIt) {
  auto dialog = makeDialog("Working on it", "", "", "", true);
  EXPECT_TRUE(part<Button>(*dialog, "closeButton")->hidden);
  EXPECT_TRUE(dialog->fields()["hideCloseButton"]);
}

TEST_F(AlertTest, InstructionIsEmphasisedAtItsFirstOccurrence) {
  auto dialog = makeDialog("Tap Resend to get Resend code", "Resend");
  auto label = part<Label>(*dialog, "instructionLabel");
  EXPECT_EQ(label->text(), "Tap Resend to get Resend code");
  ASSERT_TRUE(label->attributedText());
  EXPECT_THAT(label->attributedText()->runs,
              ElementsAre(TextRun{"Tap "}, TextRun{"Resend", Font{"Inter-Regular", 12}},
                          TextRun{" to get Resend code"}));
}

TEST_F(AlertTest, InstructionAtEitherEndMakesNoEmptyRuns) {
  EXPECT_THAT(part<Label>(*makeDialog("Retry now", "Retry"), "instructionLabel")->attributedText()->runs,
              ElementsAre(TextRun{"Retry", Font{"Inter-Regular", 12}}, TextRun{" now"}));
  EXPECT_THAT(part<Label>(*makeDialog("Please retry", "retry"), "instructionLabel")->attributedText()->runs,
              ElementsAre(TextRun{"Please "}, TextRun{"retry", Font{"Inter-Regular", 12}}));
  EXPECT_THAT(part<Label>(*makeDialog("₹500", "₹500"), "instructionLabel")->attributedText()->runs,
              ElementsAre(TextRun{"₹500", Font{"Inter-Regular", 12}}));
}

TEST_F(AlertTest, EmphasisUsesTheThemesRegularFace) {
  AppFont theme;
  theme.interRegularName = "Brand-Regular";
  KassioState::shared().appFont = theme;
  auto dialog = makeDialog("Call support now", "support", "Retry");

  EXPECT_THAT(part<Label>(*dialog, "instructionLabel")->attributedText()->runs,
              ElementsAre(TextRun{"Call "}, TextRun{"support", Font{"Brand-Regular", 12}}, TextRun{" now"}));
  auto title = part<Button>(*dialog, "button1")->attributedTitle();
  ASSERT_TRUE(title);
  EXPECT_EQ(title->runs.at(0).font, (Font{"Brand-Regular", 12}));
}

TEST_F(AlertTest, InstructionMissingFromTheDescriptionEmphasisesNothing) {
  auto label = part<Label>(*makeDialog("Amount is too high", "limit"), "instructionLabel");
  EXPECT_EQ(label->text(), "Amount is too high");
  if (label->attributedText()) {
    for (const auto& run : label->attributedText()->runs) EXPECT_EQ(run.font, std::nullopt) << run.text;
  }
}

// A translation table of this test's own.
class AlertButtons : public AlertTest {
 protected:
  void SetUp() override {
    AlertTest::SetUp();
    directory_ = std::filesystem::temp_directory_path() / ("kassio-alert-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory_ / "i18n");
    std::ofstream(directory_ / "i18n" / "en.json") << R"({"en": "en", "Retry": "Try again", "Cancel": "Not now"})";
    Platform::current().localization = std::make_shared<Localization>(directory_, "en");
  }
  void TearDown() override {
    std::filesystem::remove_all(directory_);
    AlertTest::TearDown();
  }

 private:
  std::filesystem::path directory_;
};

TEST_F(AlertButtons, FirstButtonIsUnderlinedAndLocalisedSecondIsPlain) {
  auto dialog = makeDialog("Payment pending", "", "Retry", "Cancel");
  auto first = part<Button>(*dialog, "button1");
  ASSERT_TRUE(first->attributedTitle());
  EXPECT_THAT(first->attributedTitle()->runs,
              ElementsAre(TextRun{"Try again", Font{"Inter-Regular", 12}, Color::black(), true, Color::black()}));
  EXPECT_EQ(first->title(), "Try again");

  auto second = part<Button>(*dialog, "button2");
  EXPECT_EQ(second->title(), "Cancel");  // given as it is
  EXPECT_FALSE(second->attributedTitle());

  EXPECT_FALSE(first->hidden);
  EXPECT_FALSE(second->hidden);
  EXPECT_FALSE(part<View>(*dialog, "actionView")->hidden);
}

TEST_F(AlertButtons, EmptyTitlesHideTheirButtonsAndBothHideTheRow) {
  auto onlySecond = makeDialog("Payment pending", "", "", "Cancel");
  EXPECT_TRUE(part<Button>(*onlySecond, "button1")->hidden);
  EXPECT_FALSE(part<Button>(*onlySecond, "button2")->hidden);
  EXPECT_FALSE(part<View>(*onlySecond, "actionView")->hidden);

  auto none = makeDialog("Payment pending");
  EXPECT_TRUE(part<View>(*none, "actionView")->hidden);
  EXPECT_THAT(visibleTexts(*none), ElementsAre("Heads up", "Payment pending"));
}

struct ActionCase {
  const char* button;
  const char* selector;
  std::function<void()> Dialog::*completion;
};

TEST_F(AlertButtons, EachActionDismissesThenRunsItsCompletion) {
  const ActionCase cases[] = {
      {"closeButton", "closeButtonTapped:", &Dialog::completionClose},
      {"button1", "button1Tapped:", &Dialog::completionButton1},
      {"button2", "button2Tapped:", &Dialog::completionButton2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    for (bool byName : {false, true}) {
      auto dialog = makeDialog("Pending", "", "Retry", "Cancel");
      std::vector<std::string> log;
      auto next = std::make_shared<Screen>();
      // Every completion is set, so a wrong one shows in the log.
      dialog->completionClose = [&] { log.push_back("close"); };
      dialog->completionButton1 = [&] { log.push_back("button1"); };
      dialog->completionButton2 = [&] { log.push_back("button2"); };
      (*dialog).*c.completion = [&] {
        log.push_back(root->presentedScreen() ? "still shown" : "gone");
        log.push_back(root->present(next, true) ? "presented next" : "refused");
      };
      dialog->modalPresentationStyle = ModalPresentationStyle::overCurrentContext;
      ASSERT_TRUE(root->present(dialog, true));
      loop->runDue();

      if (byName) {
        EXPECT_TRUE(dialog->performAction(c.selector, nullptr));  // as the driver sends it
      } else {
        part<Button>(*dialog, c.button)->tap();
      }
      EXPECT_EQ(root->presentedScreen(), nullptr);
      EXPECT_THAT(log, IsEmpty());
      loop->runDue();
      EXPECT_THAT(log, ElementsAre("gone", "presented next"));
      EXPECT_FALSE(dialog->isVisible());

      next->dismiss(false);
      loop->runDue();
    }
  }
}

TEST_F(AlertButtons, ActionWithoutCompletionJustDismisses) {
  auto dialog = makeDialog("Pending", "", "Retry");
  ASSERT_TRUE(root->present(dialog, true));
  loop->runDue();
  part<Button>(*dialog, "button1")->tap();
  loop->runDue();
  EXPECT_EQ(root->presentedScreen(), nullptr);
}

}  // namespace
}  // namespace kassio
