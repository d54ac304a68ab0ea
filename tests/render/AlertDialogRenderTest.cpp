// The module's dialog drawn as the window shows it: over the screen that presented it.
#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "host/ScreenRenderer.h"
#include "kassio/ui/AlertPresenter.h"
#include "kassio/ui/VedavUzAlertViewControllerViewController.h"

namespace kassio::host {
namespace {

using platform::Color;

struct DialogCase {
  const char* name;
  bool throughPresenter;  // showAlert, else the factory with the colours below
  bool warning;
  const char* backColor;
  const char* iconImage;
  const char* titleColor;
  bool iconAsDrawn;  // the red alert icon in its own colours, else a template in the title colour
};

void PrintTo(const DialogCase& c, std::ostream* out) { *out << c.name; }

class AlertDialogRenderTest : public RenderPlatformTest, public ::testing::WithParamInterface<DialogCase> {
 protected:
  std::shared_ptr<platform::Screen> present(const DialogCase& c) {
    window->setRootScreen(std::make_shared<platform::Screen>());
    if (c.throughPresenter) {
      showAlert("Enter a valid amount", "The amount must be more than zero.", c.warning);
    } else {
      auto dialog =
          VedavUzAlertViewControllerViewController::make(c.backColor, c.iconImage, c.titleColor, "Enter a valid amount",
                                                         "The amount must be more than zero.", "", "", "", false);
      dialog->modalPresentationStyle = platform::ModalPresentationStyle::overCurrentContext;
      window->rootScreen()->present(dialog, true);
    }
    loop->runDue();
    return window->topMostScreen();
  }
};

TEST_P(AlertDialogRenderTest, CardIconAndTitleAreDrawnInTheStyleColours) {
  const auto& c = GetParam();
  auto top = present(c);
  ASSERT_EQ(top->className(), "VedavUzAlertViewControllerViewController");
  ScreenRenderer renderer;
  auto shot = renderer.layOut(*top);
  ASSERT_EQ(shot.layers.size(), 2u) << "the presenter is drawn under the dialog";
  const auto& dialogLayer = shot.layers.back();
  auto frameOf = [&](const char* outlet) {
    auto frame = dialogLayer.frameOf(*top->element(outlet));
    EXPECT_TRUE(frame) << outlet << " is laid out";
    return frame.value_or(platform::Rect{});
  };
  auto card = frameOf("containerView");
  auto icon = frameOf("titleImageView");
  auto title = frameOf("titleLabel");
  auto close = frameOf("closeButton");
  auto description = frameOf("instructionLabel");

  Picture picture(renderer.png(*top));
  ASSERT_TRUE(picture.valid());
  EXPECT_EQ(picture.width(), 390 * 3);
  EXPECT_EQ(picture.height(), 844 * 3);

  auto back = hex(c.backColor);
  auto tint = hex(c.titleColor);
  // The card below its content, and the white presenter under the dimmed backdrop.
  auto cardBackground = picture.at(card.origin.x + card.width() / 2, card.origin.y + card.height() - 6);
  EXPECT_TRUE(Picture::near(cardBackground, back, 2)) << describe(cardBackground);
  auto backdrop = picture.at(195, 830);
  EXPECT_TRUE(Picture::near(backdrop, Color{153, 153, 153, 1}, 2)) << describe(backdrop);

  int iconPixels = static_cast<int>(icon.width() * icon.height() * 9);
  auto iconColour = c.iconAsDrawn ? hex("#E22853") : tint;
  EXPECT_GT(picture.count(icon, iconColour), iconPixels / 5);
  int white = picture.count(icon, Color::white(), 6);
  if (c.iconAsDrawn) {
    EXPECT_GT(white, 20) << "the red icon keeps its white mark";
  } else {
    EXPECT_EQ(white, 0) << "a template shows only the tint";
  }
  EXPECT_GT(picture.count(title, tint), 150) << "title text in the title colour";
  EXPECT_GT(picture.count(close, tint), 50) << "close cross tinted";
  EXPECT_GT(picture.count(description, hex("#171F12")), 150) << "description in dark text";
  EXPECT_EQ(picture.count(description, tint), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, AlertDialogRenderTest,
    ::testing::Values(DialogCase{"warning", true, true, "#FEF8E6", "alertIconNew", "#F99F35", false},
                      DialogCase{"error", true, false, "#FDEFED", "imgRedAlert", "#E22853", true},
                      DialogCase{"genericIconTintedRed", false, false, "#FDEFED", "alertIconNew", "#E22853", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kassio::host
