#include "kassio/platform/ui/Elements.h"

namespace kassio::platform {

void applyBox(View& view, const BoxStyle& box) {
  view.frame = {box.origin, box.size};
  view.backgroundColor = box.background;
  view.cornerRadius = box.cornerRadius;
  view.borderColor = box.border;
  view.borderWidth = box.borderWidth;
  view.clipsToBounds = box.clipsToBounds;
}

std::shared_ptr<View> makeView(const ViewStyle& style) {
  auto view = std::make_shared<View>();
  applyBox(*view, style.box);
  return view;
}

std::shared_ptr<StackView> makeStack(const StackStyle& style) {
  auto stack = std::make_shared<StackView>();
  stack->axis = style.axis;
  stack->spacing = style.spacing;
  applyBox(*stack, style.box);
  return stack;
}

std::shared_ptr<Label> makeLabel(const LabelStyle& style) {
  auto label = std::make_shared<Label>();
  label->font = style.font;
  label->textColor = style.color;
  label->numberOfLines = style.lines;
  label->textAlignment = style.alignment;
  applyBox(*label, style.box);
  return label;
}

std::shared_ptr<Button> makeButton(const ButtonStyle& style) {
  auto button = std::make_shared<Button>();
  button->setTitle(style.title);
  button->titleFont = style.font;
  button->titleColor = style.titleColor;
  button->image = style.image;
  applyBox(*button, style.box);
  return button;
}

std::shared_ptr<TextField> makeTextField(const TextFieldStyle& style) {
  auto field = std::make_shared<TextField>();
  field->placeholder = style.placeholder;
  field->font = style.font;
  field->textColor = style.color;
  field->keyboardType = style.keyboard;
  applyBox(*field, style.box);
  return field;
}

std::shared_ptr<ImageView> makeImageView(const ImageStyle& style) {
  auto imageView = std::make_shared<ImageView>();
  imageView->image = style.image;
  imageView->tintColor = style.tint;
  applyBox(*imageView, style.box);
  return imageView;
}

}  // namespace kassio::platform
