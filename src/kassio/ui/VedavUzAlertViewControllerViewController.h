#pragma once

#include <functional>
#include <memory>
#include <string>

#include "kassio/platform/json/JsonField.h"
#include "kassio/platform/ui/Button.h"
#include "kassio/platform/ui/ImageView.h"
#include "kassio/platform/ui/Label.h"
#include "kassio/platform/ui/Screen.h"
#include "kassio/platform/ui/StackView.h"

namespace kassio {

// The module's message dialog: a rounded card with an icon, a coloured title, an optional
// description and a close button, laid over the screen that asked for it.
class VedavUzAlertViewControllerViewController final : public platform::Screen {
  KASSIO_SCREEN(VedavUzAlertViewControllerViewController)
 public:
  struct Inputs {
    std::string backColor{};  // the card's colour, "#RRGGBB"
    std::string iconImage{};  // "imgRedAlert" draws the red icon; anything else the tinted one
    std::string titleColor{};  // the title's and the icons' colour
    std::string titleData{};
    std::string descData{};
    std::string attributedInstruction{};  // the part of the description set in the emphasis font
    std::string buttonTitle1{};  // a localisation key; empty hides the button
    std::string buttonTitle2{};  // empty hides the button
    bool hideCloseButton = false;

    static constexpr auto jsonFields = std::make_tuple(
        platform::jsonField("backColor", &Inputs::backColor), platform::jsonField("iconImage", &Inputs::iconImage),
        platform::jsonField("titleColor", &Inputs::titleColor), platform::jsonField("titleData", &Inputs::titleData),
        platform::jsonField("descData", &Inputs::descData),
        platform::jsonField("attributedInstruction", &Inputs::attributedInstruction),
        platform::jsonField("buttonTitle1", &Inputs::buttonTitle1),
        platform::jsonField("buttonTitle2", &Inputs::buttonTitle2),
        platform::jsonField("hideCloseButton", &Inputs::hideCloseButton));
  };
  static std::shared_ptr<Self> make(Inputs inputs);
  static std::shared_ptr<Self> make(std::string backColor, std::string iconImage, std::string titleColor,
                                    std::string titleData, std::string descData, std::string attributedInstruction,
                                    std::string buttonTitle1, std::string buttonTitle2, bool hideCloseButton);

  Inputs inputs;
  // Each runs after the dialog has been dismissed by its button.
  std::function<void()> completionClose;
  std::function<void()> completionButton1;
  std::function<void()> completionButton2;

  KASSIO_OUTLET(platform::StackView, containerView);
  KASSIO_OUTLET(platform::StackView, titleView);
  KASSIO_OUTLET(platform::ImageView, titleImageView);
  KASSIO_OUTLET(platform::Label, titleLabel);
  KASSIO_OUTLET(platform::Button, closeButton);
  KASSIO_OUTLET(platform::View, instructionView);
  KASSIO_OUTLET(platform::Label, instructionLabel);
  KASSIO_OUTLET(platform::StackView, actionView);
  KASSIO_OUTLET(platform::Button, button1);
  KASSIO_OUTLET(platform::Button, button2);

  void closeButtonTapped();
  void button1Tapped();
  void button2Tapped();

 protected:
  void loadView() override;
  void update() override;

 private:
  // Dismisses the dialog, then runs the action once the dismissal has finished.
  void dismissThen(const std::function<void()>& action);
  platform::AttributedString descriptionWithEmphasis() const;
};

}  // namespace kassio
