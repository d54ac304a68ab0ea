#pragma once

#include "kassio/platform/ui/Image.h"
#include "kassio/platform/ui/View.h"

namespace kassio::platform {

class ImageView : public View {
 public:
  ImageView() { userInteractionEnabled = false; }
  std::string kind() const override { return "image"; }

  std::optional<Image> image;
  // Drawn as a template (one colour, the tint) either by the image's own mode or by the view's.
  bool isTemplate() const {
    return image && image->renderingMode == ImageRenderingMode::alwaysTemplate;
  }

  void describe(nlohmann::ordered_json& out) const override;
};

}  // namespace kassio::platform
