#include "kassio/ui/VedavUzAlertViewControllerViewController.h"

#include "kassio/entry/KassioState.h"
#include "kassio/platform/text/Localization.h"
#include "kassio/platform/ui/Elements.h"

namespace kassio {

using namespace platform;

namespace {

constexpr const char* kRedAlertIcon = "imgRedAlert";
constexpr const char* kGenericIcon = "alertIconNew";
constexpr const char* kCloseIcon = "imgRedClose";

// The emphasis font: the theme's regular face when configured.
Font emphasisFont() {
  const auto& font = KassioState::shared().appFont;
  return font ? font->interRegular(12) : Font{"Inter-Regular", 12};
}

}  // namespace

std::shared_ptr<VedavUzAlertViewControllerViewController> VedavUzAlertViewControllerViewController::make(
    Inputs inputs) {
  return makeScreen<Self>(std::move(inputs));
}

std::shared_ptr<VedavUzAlertViewControllerViewController> VedavUzAlertViewControllerViewController::make(
    std::string backColor, std::string iconImage, std::string titleColor, std::string titleData,
    std::string descData, std::string attributedInstruction, std::string buttonTitle1, std::string buttonTitle2,
    bool hideCloseButton) {
  return make({std::move(backColor), std::move(iconImage), std::move(titleColor), std::move(titleData),
               std::move(descData), std::move(attributedInstruction), std::move(buttonTitle1),
               std::move(buttonTitle2), hideCloseButton});
}

// A dimmed backdrop holding the card: a vertical stack of the title row, the description and
// the action row.
void VedavUzAlertViewControllerViewController::loadView() {
  setView(makeView({.box = {.size = {390, 844}, .background = Color{0, 0, 0, 0.4}}}));

  // As tall as its content.
  auto& card = add(containerView, makeStack({.spacing = 8,
                                             .box = {.origin = {24, 340}, .size = {342, 0}, .cornerRadius = 10,
                                                     .clipsToBounds = true}}));
  auto& titleRow = add(titleView, card, makeStack({.axis = LayoutAxis::horizontal, .spacing = 8}));
  add(titleImageView, titleRow, makeImageView({.box = {.size = {24, 24}}}));
  add(titleLabel, titleRow, makeLabel({.font = Font{"Inter-SemiBold", 16}, .lines = 0}));
  onTap(add(closeButton, titleRow, makeButton({.box = {.size = {24, 24}}})), KASSIO_ACTION(closeButtonTapped));

  auto& instruction = add(instructionView, card);
  add(instructionLabel, instruction,
      makeLabel({.font = Font{"Inter-Regular", 14}, .color = Color{0x17, 0x1F, 0x12, 1}, .lines = 0}));

  auto& actions = add(actionView, card, makeStack({.axis = LayoutAxis::horizontal, .spacing = 16}));
  onTap(add(button1, actions), KASSIO_ACTION(button1Tapped));
  onTap(add(button2, actions), KASSIO_ACTION(button2Tapped));
}

void VedavUzAlertViewControllerViewController::update() {
  auto tint = Color::fromHex(inputs.titleColor);
  containerView->backgroundColor = Color::fromHex(inputs.backColor);

  if (inputs.iconImage == kRedAlertIcon) {
    titleImageView->image = Image::named(kRedAlertIcon);
    titleImageView->tintColor.reset();
  } else {
    titleImageView->image = Image::named(kGenericIcon).withRenderingMode(ImageRenderingMode::alwaysTemplate);
    titleImageView->tintColor = tint;
  }
  titleLabel->setText(inputs.titleData);
  titleLabel->textColor = tint;

  closeButton->hidden = inputs.hideCloseButton;
  closeButton->image = Image::named(kCloseIcon).withRenderingMode(ImageRenderingMode::alwaysTemplate);
  closeButton->tintColor = tint;

  if (inputs.attributedInstruction.empty()) {
    instructionLabel->setText(inputs.descData);
  } else {
    instructionLabel->setAttributedText(descriptionWithEmphasis());
  }
  instructionView->hidden = inputs.descData.empty();

  button1->setAttributedTitle(AttributedString{
      {TextRun{localize(inputs.buttonTitle1), emphasisFont(), Color::black(), true, Color::black()}}});
  button2->setTitle(inputs.buttonTitle2);
  button1->hidden = inputs.buttonTitle1.empty();
  button2->hidden = inputs.buttonTitle2.empty();
  actionView->hidden = inputs.buttonTitle1.empty() && inputs.buttonTitle2.empty();
}

// The description with the first occurrence of the instruction in the emphasis font. An
// instruction that does not occur in the description emphasises nothing.
AttributedString VedavUzAlertViewControllerViewController::descriptionWithEmphasis() const {
  const auto& description = inputs.descData;
  const auto& instruction = inputs.attributedInstruction;
  auto at = description.find(instruction);
  if (at == std::string::npos) return AttributedString{{TextRun{description}}};
  AttributedString text;
  if (at > 0) text.runs.push_back(TextRun{description.substr(0, at)});
  text.runs.push_back(TextRun{instruction, emphasisFont()});
  auto rest = at + instruction.size();
  if (rest < description.size()) text.runs.push_back(TextRun{description.substr(rest)});
  return text;
}

void VedavUzAlertViewControllerViewController::dismissThen(const std::function<void()>& action) {
  dismiss(true, [action] {
    if (action) action();
  });
}

void VedavUzAlertViewControllerViewController::closeButtonTapped() { dismissThen(completionClose); }
void VedavUzAlertViewControllerViewController::button1Tapped() { dismissThen(completionButton1); }
void VedavUzAlertViewControllerViewController::button2Tapped() { dismissThen(completionButton2); }

}  // namespace kassio
