#include "kassio/platform/ui/TextField.h"

#include "kassio/platform/text/UnicodeText.h"
#include "kassio/platform/ui/Window.h"

namespace kassio::platform {

std::string keyboardTypeName(KeyboardType type) {
  switch (type) {
    case KeyboardType::defaultType: return "default";
    case KeyboardType::asciiCapable: return "asciiCapable";
    case KeyboardType::numberPad: return "numberPad";
    case KeyboardType::decimalPad: return "decimalPad";
    case KeyboardType::phonePad: return "phonePad";
    case KeyboardType::emailAddress: return "emailAddress";
  }
  return "default";
}

bool TextField::isFirstResponder() const {
  auto window = editingIn_.lock();
  return window && window->firstResponder().get() == this;
}

bool TextField::becomeFirstResponder() {
  if (isFirstResponder()) return true;
  auto window = this->window();
  if (!window || !enabled) return false;
  auto self = std::static_pointer_cast<TextField>(shared_from_this());
  auto delegateNow = delegate.lock();
  if (delegateNow && !delegateNow->textFieldShouldBeginEditing(*this)) return false;
  if (auto previous = window->firstResponder()) previous->resignFirstResponder();
  window->setFirstResponder(self);
  editingIn_ = window;
  if (auto current = delegate.lock()) current->textFieldDidBeginEditing(*this);
  sendActions(ControlEvent::editingDidBegin);
  return true;
}

bool TextField::resignFirstResponder() {
  if (!isFirstResponder()) return true;
  auto keep = shared_from_this();
  editingIn_.lock()->setFirstResponder(nullptr);
  editingIn_.reset();
  if (auto current = delegate.lock()) current->textFieldDidEndEditing(*this, DidEndEditingReason::committed);
  sendActions(ControlEvent::editingDidEnd);
  return true;
}

bool TextField::offerEdit(Utf16Range range, const std::string& replacement) {
  if (!replacingUtf16Range(text, range.location, range.length, replacement)) return false;
  auto keep = shared_from_this();
  if (auto current = delegate.lock(); current && !current->shouldChangeCharacters(*this, range, replacement))
    return false;
  // Applied to the text as it is now: the delegate may have changed it itself.
  auto edited = replacingUtf16Range(text, range.location, range.length, replacement);
  if (!edited) return false;
  text = std::move(*edited);
  sendActions(ControlEvent::editingChanged);
  return true;
}

bool TextField::offerAppend(const std::string& characters) {
  return offerEdit({utf16Length(text), 0}, characters);
}

bool TextField::pressReturn() {
  auto current = delegate.lock();
  return !current || current->textFieldShouldReturn(*this);
}

void TextField::tap() {
  if (enabled) becomeFirstResponder();
}

void TextField::describe(nlohmann::ordered_json& out) const {
  View::describe(out);
  out["enabled"] = enabled;
  out["text"] = text;
  out["placeholder"] = placeholder;
  out["keyboard"] = keyboardTypeName(keyboardType);
  out["textColor"] = colorJson(textColor);
  out["font"] = font ? nlohmann::ordered_json(font->description()) : nullptr;
}

void TextField::ownTexts(std::vector<std::string>& out) const {
  if (!text.empty()) {
    out.push_back(isSecureTextEntry ? std::string(graphemeCount(text), '*') : text);  // one per character
  } else if (!placeholder.empty()) {
    out.push_back(placeholder);
  }
}

}  // namespace kassio::platform
