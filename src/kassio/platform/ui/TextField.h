#pragma once

#include <memory>
#include <string>

#include "kassio/platform/ui/Control.h"
#include "kassio/platform/ui/Font.h"

namespace kassio::platform {

class TextField;
class Window;

// A range of a text in UTF-16 code units, as text-field edits are measured.
struct Utf16Range {
  std::size_t location = 0;
  std::size_t length = 0;
  bool operator==(const Utf16Range&) const = default;
};

enum class KeyboardType { defaultType, asciiCapable, numberPad, decimalPad, phonePad, emailAddress };
enum class DidEndEditingReason { committed, cancelled };

class TextFieldDelegate {
 public:
  virtual ~TextFieldDelegate() = default;
  virtual bool textFieldShouldBeginEditing(TextField&) { return true; }
  virtual void textFieldDidBeginEditing(TextField&) {}
  // Asked before an edit replaces `range` of the text with `replacement`.
  virtual bool shouldChangeCharacters(TextField&, Utf16Range range, const std::string& replacement) {
    (void)range, (void)replacement;
    return true;
  }
  virtual void textFieldDidEndEditing(TextField&, DidEndEditingReason) {}
  virtual bool textFieldShouldReturn(TextField&) { return true; }
};

class TextField : public Control {
 public:
  std::string kind() const override { return "textField"; }

  std::string text;  // set by code without asking the delegate, as the platform does
  std::string placeholder;
  std::optional<Color> textColor = Color::black();
  std::optional<Font> font;
  KeyboardType keyboardType = KeyboardType::defaultType;
  std::string textContentType;
  bool isSecureTextEntry = false;
  std::weak_ptr<TextFieldDelegate> delegate;

  // Editing, as a person's tap and the keyboard drive it. Becoming first responder ends the
  // editing of the field that was first responder before.
  bool becomeFirstResponder();
  bool resignFirstResponder();
  bool isFirstResponder() const;

  // Offers an edit to the delegate; when accepted, applies it and sends editingChanged. Returns
  // whether the text changed. An out-of-range edit is refused without asking.
  bool offerEdit(Utf16Range range, const std::string& replacement);
  // Offers typing `characters` at the end of the text.
  bool offerAppend(const std::string& characters);
  // The return key: asks the delegate.
  bool pressReturn();

  // A person's tap begins editing.
  void tap() override;
  void describe(nlohmann::ordered_json& out) const override;
  void ownTexts(std::vector<std::string>& out) const override;

 private:
  // The window this field began editing in (found through its tree), so the editing can end
  // there even after the field has left the tree.
  std::weak_ptr<Window> editingIn_;
};

std::string keyboardTypeName(KeyboardType type);

}  // namespace kassio::platform
