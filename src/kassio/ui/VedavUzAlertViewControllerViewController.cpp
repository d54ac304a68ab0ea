#include "kassio/ui/VedavUzAlertViewControllerViewController.h"

#include "kassio/entry/KassioState.h"
#include "kassio/platform/text/Localization.h"
#include "kassio/platform/ui/StackView.h"

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
    std::string backColor, std::string iconImage, std::string titleColor, std::string titleData,
    std::string descData, std::string attributedInstruction, std::string buttonTitle1, std::string buttonTitle2,
    bool hideCloseButton) {
  auto dialog = std::make_shared<VedavUzAlertViewControllerViewController>();
  dialog->backColor = std::move(backColor);
  dialog->iconImage = std::move(iconImage);
  dialog->titleColor = std::move(titleColor);
  dialog->titleData = std::move(titleData);
  dialog->descData = std::move(descData);
  dialog->attributedInstruction = std::move(attributedInstruction);
  dialog->buttonTitle1 = std::move(buttonTitle1);
  dialog->buttonTitle2 = std::move(buttonTitle2);
  dialog->hideCloseButton = hideCloseButton;
  return dialog;
}

// The layout: a dimmed backdrop holding the card, a vertical stack of the title row, the
// description and the action row.
void VedavUzAlertViewControllerViewController::loadView() {
  auto root = std::make_shared<View>();
  root->frame = {{0, 0}, {390, 844}};
  root->backgroundColor = Color{0, 0, 0, 0.4};
  setView(root);

  auto card = addOutlet("containerView", std::make_shared<StackView>());
  card->frame = {{24, 340}, {342, 0}};  // as tall as its content
  card->spacing = 8;

  auto titleRow = addOutlet("titleView", std::make_shared<StackView>(), card.get());
  titleRow->axis = LayoutAxis::horizontal;
  titleRow->spacing = 8;
  addOutlet("titleImageView", std::make_shared<ImageView>(), titleRow.get())->frame.size = {24, 24};
  auto title = addOutlet("titleLabel", std::make_shared<Label>(), titleRow.get());
  title->font = Font{"Inter-SemiBold", 16};
  title->numberOfLines = 0;
  auto close = addOutlet("closeButton", std::make_shared<Button>(), titleRow.get());
  close->frame.size = {24, 24};
  close->addTarget(weak_from_this(), "closeButtonTapped:", ControlEvent::touchUpInside);

  auto instruction = addOutlet("instructionView", std::make_shared<View>(), card.get());
  auto description = addOutlet("instructionLabel", std::make_shared<Label>(), instruction.get());
  description->font = Font{"Inter-Regular", 14};
  description->textColor = Color{0x17, 0x1F, 0x12, 1};
  description->numberOfLines = 0;

  auto actions = addOutlet("actionView", std::make_shared<StackView>(), card.get());
  actions->axis = LayoutAxis::horizontal;
  actions->spacing = 16;
  auto first = addOutlet("button1", std::make_shared<Button>(), actions.get());
  first->addTarget(weak_from_this(), "button1Tapped:", ControlEvent::touchUpInside);
  auto second = addOutlet("button2", std::make_shared<Button>(), actions.get());
  second->addTarget(weak_from_this(), "button2Tapped:", ControlEvent::touchUpInside);

  registerAction("closeButtonTapped:", [this](View*) { closeButtonTapped(); });
  registerAction("button1Tapped:", [this](View*) { button1Tapped(); });
  registerAction("button2Tapped:", [this](View*) { button2Tapped(); });
}

void VedavUzAlertViewControllerViewController::viewDidLoad() {
  auto tint = Color::fromHex(titleColor);

  auto card = outlet<View>("containerView");
  card->cornerRadius = 10;
  card->clipsToBounds = true;
  card->backgroundColor = Color::fromHex(backColor);

  auto close = outlet<Button>("closeButton");
  close->hidden = hideCloseButton;

  auto icon = outlet<ImageView>("titleImageView");
  if (iconImage == kRedAlertIcon) {
    icon->image = Image::named(kRedAlertIcon);
  } else {
    icon->image = Image::named(kGenericIcon).withRenderingMode(ImageRenderingMode::alwaysTemplate);
    icon->tintColor = tint;
  }

  close->image = Image::named(kCloseIcon).withRenderingMode(ImageRenderingMode::alwaysTemplate);
  close->tintColor = tint;
  auto title = outlet<Label>("titleLabel");
  title->setText(titleData);
  title->textColor = tint;

  auto description = outlet<Label>("instructionLabel");
  if (attributedInstruction.empty()) {
    description->setText(descData);
  } else {
    description->setAttributedText(descriptionWithEmphasis());
  }

  auto first = outlet<Button>("button1");
  first->setAttributedTitle(AttributedString{{TextRun{localize(buttonTitle1), emphasisFont(), Color::black(),
                                                      true, Color::black()}}});
  auto second = outlet<Button>("button2");
  second->setTitle(buttonTitle2);

  first->hidden = buttonTitle1.empty();
  second->hidden = buttonTitle2.empty();
  outlet<View>("instructionView")->hidden = descData.empty();
  outlet<View>("actionView")->hidden = buttonTitle1.empty() && buttonTitle2.empty();
}

// The description with the first occurrence of the instruction in the emphasis font. An
// instruction that does not occur in the description emphasises nothing.
AttributedString VedavUzAlertViewControllerViewController::descriptionWithEmphasis() const {
  auto at = descData.find(attributedInstruction);
  if (at == std::string::npos) return AttributedString{{TextRun{descData}}};
  AttributedString text;
  if (at > 0) text.runs.push_back(TextRun{descData.substr(0, at)});
  text.runs.push_back(TextRun{attributedInstruction, emphasisFont()});
  auto rest = at + attributedInstruction.size();
  if (rest < descData.size()) text.runs.push_back(TextRun{descData.substr(rest)});
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

nlohmann::ordered_json VedavUzAlertViewControllerViewController::fields() const {
  return {{"backColor", backColor},
          {"iconImage", iconImage},
          {"titleColor", titleColor},
          {"titleData", titleData},
          {"descData", descData},
          {"attributedInstruction", attributedInstruction},
          {"buttonTitle1", buttonTitle1},
          {"buttonTitle2", buttonTitle2},
          {"hideCloseButton", hideCloseButton}};
}

}  // namespace kassio
