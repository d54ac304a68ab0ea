#include "kassio/platform/ui/ImageView.h"

#include "kassio/platform/ui/Button.h"

namespace kassio::platform {

void ImageView::describe(nlohmann::ordered_json& out) const {
  View::describe(out);
  out["image"] = imageJson(image);
  out["tint"] = colorJson(tintColor);
  out["template"] = isTemplate();
}

}  // namespace kassio::platform
