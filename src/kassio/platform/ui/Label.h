#pragma once

#include "kassio/platform/ui/AttributedString.h"
#include "kassio/platform/ui/Font.h"
#include "kassio/platform/ui/View.h"

namespace kassio::platform {

enum class TextAlignment { natural, left, center, right, justified };

class Label : public View {
 public:
  std::string kind() const override { return "label"; }

  // Setting the plain text drops styled text, and the other way round, as the platform does.
  void setText(std::string value);
  const std::string& text() const { return text_; }
  void setAttributedText(std::optional<AttributedString> value);
  const std::optional<AttributedString>& attributedText() const { return attributed_; }

  std::optional<Color> textColor = Color::black();
  std::optional<Font> font;
  TextAlignment textAlignment = TextAlignment::natural;
  int numberOfLines = 1;  // 0: as many as needed

  void describe(nlohmann::ordered_json& out) const override;
  void ownTexts(std::vector<std::string>& out) const override;

 private:
  std::string text_;
  std::optional<AttributedString> attributed_;
};

// Runs of styled text for a dump: [{"text","color","font","underline"}].
nlohmann::ordered_json runsJson(const AttributedString& text);

}  // namespace kassio::platform
