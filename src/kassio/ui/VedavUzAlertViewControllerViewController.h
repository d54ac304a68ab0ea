#pragma once

#include <functional>
#include <memory>
#include <string>

#include "kassio/platform/ui/Button.h"
#include "kassio/platform/ui/ImageView.h"
#include "kassio/platform/ui/Label.h"
#include "kassio/platform/ui/Screen.h"

namespace kassio {

// The module's message dialog: a rounded card with an icon, a coloured title, an optional
// description and a close button, laid over the screen that asked for it.
class VedavUzAlertViewControllerViewController : public platform::Screen {
 public:
  static std::shared_ptr<VedavUzAlertViewControllerViewController> make(
      std::string backColor, std::string iconImage, std::string titleColor, std::string titleData,
      std::string descData, std::string attributedInstruction, std::string buttonTitle1,
      std::string buttonTitle2, bool hideCloseButton);

  std::string className() const override { return "VedavUzAlertViewControllerViewController"; }

  std::string backColor;
  std::string iconImage;
  std::string titleColor;
  std::string titleData;
  std::string descData;
  std::string attributedInstruction;
  std::string buttonTitle1;
  std::string buttonTitle2;
  bool hideCloseButton = false;
  std::function<void()> completionClose;
  std::function<void()> completionButton1;
  std::function<void()> completionButton2;

  void closeButtonTapped();
  void button1Tapped();
  void button2Tapped();

  nlohmann::ordered_json fields() const override;

 protected:
  void loadView() override;
  void viewDidLoad() override;

 private:
  // Dismisses the dialog, then runs the action once the dismissal has finished.
  void dismissThen(const std::function<void()>& action);
  platform::AttributedString descriptionWithEmphasis() const;
};

}  // namespace kassio
