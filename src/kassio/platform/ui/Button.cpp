#include "kassio/platform/ui/Button.h"

#include "kassio/platform/ui/Label.h"

namespace kassio::platform {

nlohmann::ordered_json imageJson(const std::optional<Image>& image) {
  if (!image) return nullptr;
  if (image->isData()) return "png:" + std::to_string(image->data.size());
  return image->assetName;
}

void Button::setTitle(std::string value) {
  title_ = std::move(value);
  attributedTitle_.reset();
}

void Button::setAttributedTitle(std::optional<AttributedString> value) {
  attributedTitle_ = std::move(value);
  title_ = attributedTitle_ ? attributedTitle_->string() : std::string{};
}

void Button::describe(nlohmann::ordered_json& out) const {
  View::describe(out);
  out["enabled"] = enabled;
  out["title"] = title_;
  out["titleColor"] = colorJson(titleColor);
  out["tag"] = tag;
  out["image"] = imageJson(image);
  out["backgroundImageColor"] = colorJson(backgroundImageColor);
  out["tint"] = colorJson(tintColor);
  if (attributedTitle_) out["attributed"] = runsJson(*attributedTitle_);
}

void Button::ownTexts(std::vector<std::string>& out) const {
  if (!title_.empty()) out.push_back(title_);
}

}  // namespace kassio::platform
