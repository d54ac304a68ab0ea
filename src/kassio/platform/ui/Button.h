#pragma once

#include "kassio/platform/ui/AttributedString.h"
#include "kassio/platform/ui/Control.h"
#include "kassio/platform/ui/Font.h"
#include "kassio/platform/ui/Image.h"

namespace kassio::platform {

class Button : public Control {
 public:
  std::string kind() const override { return "button"; }

  // Title for the normal state; styled title drops the plain one and the other way round.
  void setTitle(std::string value);
  const std::string& title() const { return title_; }
  void setAttributedTitle(std::optional<AttributedString> value);
  const std::optional<AttributedString>& attributedTitle() const { return attributedTitle_; }

  std::optional<Color> titleColor = Color::white();
  std::optional<Font> titleFont;
  std::optional<Image> image;
  // The background image when it is a plain colour fill.
  std::optional<Color> backgroundImageColor;

  void describe(nlohmann::ordered_json& out) const override;
  void ownTexts(std::vector<std::string>& out) const override;

 private:
  std::string title_;
  std::optional<AttributedString> attributedTitle_;
};

// An image for a dump: its asset name, "png:<bytes>" for data, or null.
nlohmann::ordered_json imageJson(const std::optional<Image>& image);

}  // namespace kassio::platform
