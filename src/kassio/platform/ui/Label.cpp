#include "kassio/platform/ui/Label.h"

namespace kassio::platform {

void Label::setText(std::string value) {
  text_ = std::move(value);
  attributed_.reset();
}

void Label::setAttributedText(std::optional<AttributedString> value) {
  attributed_ = std::move(value);
  text_ = attributed_ ? attributed_->string() : std::string{};
}

nlohmann::ordered_json runsJson(const AttributedString& text) {
  auto runs = nlohmann::ordered_json::array();
  for (const auto& run : text.runs) {
    runs.push_back({{"text", run.text},
                    {"color", colorJson(run.color)},
                    {"font", run.font ? nlohmann::ordered_json(run.font->description()) : nullptr},
                    {"underline", run.underline}});
  }
  return runs;
}

void Label::describe(nlohmann::ordered_json& out) const {
  View::describe(out);
  out["text"] = text_;
  out["textColor"] = colorJson(textColor);
  out["font"] = font ? nlohmann::ordered_json(font->description()) : nullptr;
  if (attributed_) out["attributed"] = runsJson(*attributed_);
}

void Label::ownTexts(std::vector<std::string>& out) const {
  if (!text_.empty()) out.push_back(text_);
}

}  // namespace kassio::platform
