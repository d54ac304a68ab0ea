#pragma once

#include <memory>
#include <optional>
#include <string>

#include "kassio/platform/ui/Button.h"
#include "kassio/platform/ui/ImageView.h"
#include "kassio/platform/ui/Label.h"
#include "kassio/platform/ui/StackView.h"
#include "kassio/platform/ui/TextField.h"

namespace kassio::platform {

// Small element factories for loadView(): each takes a style struct written with designated
// initialisers, so a screen's structure reads as a list of styled elements:
//
//   add(titleLabel, *titleRow, makeLabel({.font = Font{"Inter-SemiBold", 16}, .lines = 0}));
//   add(closeButton, *titleRow, makeButton({.box = {.size = {24, 24}}}));
//
// Only structure and fixed styling belong here; what follows from state is written in update().

// What every element may set: its frame (a size, or an origin when the host places it), and
// its box decoration.
struct BoxStyle {
  Point origin{};
  Size size{};
  std::optional<Color> background{};
  double cornerRadius = 0;
  std::optional<Color> border{};
  double borderWidth = 0;
  bool clipsToBounds = false;
};

struct ViewStyle {
  BoxStyle box{};
};

struct StackStyle {
  LayoutAxis axis = LayoutAxis::vertical;
  double spacing = 0;
  BoxStyle box{};
};

struct LabelStyle {
  std::optional<Font> font{};
  std::optional<Color> color = Color::black();
  int lines = 1;  // 0: as many as needed
  TextAlignment alignment = TextAlignment::natural;
  BoxStyle box{};
};

struct ButtonStyle {
  std::string title{};
  std::optional<Font> font{};
  std::optional<Color> titleColor = Color::white();
  std::optional<Image> image{};
  BoxStyle box{};
};

struct TextFieldStyle {
  std::string placeholder{};
  std::optional<Font> font{};
  std::optional<Color> color = Color::black();
  KeyboardType keyboard = KeyboardType::defaultType;
  BoxStyle box{};
};

struct ImageStyle {
  std::optional<Image> image{};
  std::optional<Color> tint{};
  BoxStyle box{};
};

std::shared_ptr<View> makeView(const ViewStyle& style = {});
std::shared_ptr<StackView> makeStack(const StackStyle& style = {});
std::shared_ptr<Label> makeLabel(const LabelStyle& style = {});
std::shared_ptr<Button> makeButton(const ButtonStyle& style = {});
std::shared_ptr<TextField> makeTextField(const TextFieldStyle& style = {});
std::shared_ptr<ImageView> makeImageView(const ImageStyle& style = {});

// Applies a box style to any element.
void applyBox(View& view, const BoxStyle& box);

}  // namespace kassio::platform
