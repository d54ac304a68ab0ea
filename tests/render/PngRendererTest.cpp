#include <gtest/gtest.h>

#include <filesystem>

#include "RenderTestSupport.h"
#include "host/ScreenRenderer.h"
#include "kassio/platform/ui/ImageView.h"
#include "kassio/platform/ui/Label.h"

namespace kassio::host {
namespace {

using platform::Color;
using platform::View;

const Color red{255, 0, 0, 1};
const Color blue{0, 0, 255, 1};
const Color green{0, 160, 0, 1};

std::shared_ptr<View> square(double side, Color color) {
  auto view = std::make_shared<View>();
  view->frame = {{0, 0}, {side, side}};
  view->backgroundColor = color;
  return view;
}

std::shared_ptr<platform::ImageView> imageView(platform::Image image, double side = 24) {
  auto view = std::make_shared<platform::ImageView>();
  view->frame = {{0, 0}, {side, side}};
  view->image = std::move(image);
  return view;
}

// A small PNG of one colour, as decoded image data arrives (a QR code from the backend).
std::vector<std::uint8_t> solidPng(int side, Color color) {
  auto* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, side, side);
  auto* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, color.red / 255.0, color.green / 255.0, color.blue / 255.0);
  cairo_paint(cr);
  cairo_destroy(cr);
  auto bytes = PngRenderer::encode(surface);
  cairo_surface_destroy(surface);
  return bytes;
}

class PngRendererTest : public ::testing::Test {
 protected:
  std::vector<std::uint8_t> draw(const View& view, double scale = 1) { return renderer.capture(view, scale); }
  ScreenRenderer renderer;
};

struct CornerCase {
  unsigned mask;
  bool topLeft, topRight, bottomLeft, bottomRight;  // rounded, so its very corner stays clear
};

void PrintTo(const CornerCase& c, std::ostream* out) { *out << "mask " << c.mask; }

class MaskedCornersTest : public PngRendererTest, public ::testing::WithParamInterface<CornerCase> {};

TEST_P(MaskedCornersTest, OnlyMaskedCornersAreRounded) {
  const auto& c = GetParam();
  auto view = square(60, blue);
  view->cornerRadius = 20;
  view->maskedCorners = c.mask;
  Picture picture(draw(*view), 1);
  auto clear = [&](int x, int y) { return picture.pixelAt(x, y).alpha == 0; };
  EXPECT_EQ(clear(1, 1), c.topLeft);
  EXPECT_EQ(clear(58, 1), c.topRight);
  EXPECT_EQ(clear(1, 58), c.bottomLeft);
  EXPECT_EQ(clear(58, 58), c.bottomRight);
  EXPECT_TRUE(Picture::near(picture.pixelAt(30, 30), blue, 0));
}

INSTANTIATE_TEST_SUITE_P(Masks, MaskedCornersTest,
                         ::testing::Values(CornerCase{platform::allCorners, true, true, true, true},
                                           CornerCase{platform::minXMinYCorner | platform::maxXMinYCorner, true, true,
                                                      false, false},
                                           CornerCase{platform::minXMaxYCorner, false, false, true, false},
                                           CornerCase{0, false, false, false, false}));

TEST_F(PngRendererTest, AlphaFadesAViewWithItsSubtreeAsOne) {
  auto view = square(40, Color::black());
  view->alpha = 0.5;
  auto child = square(20, Color::white());
  view->addSubview(child);
  Picture picture(draw(*view), 1);
  auto overChild = picture.pixelAt(10, 10);
  EXPECT_NEAR(overChild.alpha, 0.5, 0.01);
  EXPECT_TRUE(Picture::near({overChild.red, overChild.green, overChild.blue, 1}, Color::white(), 2))
      << "the child covers its parent before the fade, not after";
  EXPECT_NEAR(picture.pixelAt(30, 30).alpha, 0.5, 0.01);
}

TEST_F(PngRendererTest, BorderLiesOverTheBackgroundAndTheContent) {
  auto view = square(40, Color::white());
  view->borderWidth = 4;
  view->borderColor = red;
  auto child = square(40, blue);  // fills the view: the border still shows over it
  view->addSubview(child);
  Picture picture(draw(*view), 1);
  EXPECT_TRUE(Picture::near(picture.pixelAt(1, 20), red, 0));
  EXPECT_TRUE(Picture::near(picture.pixelAt(38, 20), red, 0));
  EXPECT_TRUE(Picture::near(picture.pixelAt(20, 20), blue, 0));
}

TEST_F(PngRendererTest, ShadowDarkensBesideTheView) {
  auto parent = square(80, Color::white());
  auto card = square(40, Color::white());
  card->frame.origin = {20, 20};
  card->shadow = {Color::black(), 0.5, 4, {0, 4}};
  parent->addSubview(card);
  Picture picture(draw(*parent), 1);
  auto below = picture.pixelAt(40, 62);
  EXPECT_LT(below.red, 230) << describe(below);
  EXPECT_TRUE(Picture::near(picture.pixelAt(40, 40), Color::white(), 0)) << "the card covers its own shadow";
  EXPECT_TRUE(Picture::near(picture.pixelAt(3, 3), Color::white(), 0));
}

TEST_F(PngRendererTest, TemplateImageIsFilledWithItsTint) {
  auto tinted = imageView(
      platform::Image::named("alertIconNew").withRenderingMode(platform::ImageRenderingMode::alwaysTemplate), 48);
  tinted->tintColor = green;
  Picture asTemplate(draw(*tinted, 3));
  platform::Rect all{{0, 0}, {48, 48}};
  EXPECT_GT(asTemplate.count(all, green, 0), 2000);
  EXPECT_EQ(asTemplate.count(all, Color::black(), 40), 0);

  auto drawn = imageView(platform::Image::named("alertIconNew"), 48);
  drawn->tintColor = green;  // a tint does not recolour an image drawn as it is
  Picture original(draw(*drawn, 3));
  EXPECT_GT(original.count(all, Color::black(), 0), 2000);
  EXPECT_EQ(original.count(all, green, 40), 0);
}

TEST_F(PngRendererTest, TemplateWithoutATintOfItsOwnTakesItsNearestAncestors) {
  auto outer = square(24, Color::white());
  outer->tintColor = red;
  auto inner = square(24, Color::white());
  inner->tintColor = blue;
  auto middle = square(24, Color::white());  // no tint: passes its ancestor's on
  outer->addSubview(inner);
  inner->addSubview(middle);
  middle->addSubview(
      imageView(platform::Image::named("imgRedClose").withRenderingMode(platform::ImageRenderingMode::alwaysTemplate)));
  Picture picture(draw(*outer, 3));
  platform::Rect all{{0, 0}, {24, 24}};
  EXPECT_GT(picture.count(all, blue, 30), 200);
  EXPECT_EQ(picture.count(all, red, 60), 0);
}

TEST_F(PngRendererTest, ImageDataIsDrawnScaledToTheView) {
  const Color magenta{200, 0, 200, 1};
  auto view = imageView(platform::Image::fromData(solidPng(8, magenta)), 24);
  Picture picture(draw(*view, 3));
  EXPECT_EQ(picture.count({{0, 0}, {24, 24}}, magenta, 0), 72 * 72);
}

TEST_F(PngRendererTest, MissingAssetAndUnreadableDataDrawThePlaceholder) {
  auto placeholder = draw(*imageView(platform::Image::named(ImageAssets::placeholderName)), 3);
  ASSERT_FALSE(placeholder.empty());
  EXPECT_EQ(draw(*imageView(platform::Image::named("noSuchAsset")), 3), placeholder);
  EXPECT_EQ(draw(*imageView(platform::Image::named("../i18n/en")), 3), placeholder) << "names are not paths";
  EXPECT_EQ(draw(*imageView(platform::Image::fromData({1, 2, 3, 4})), 3), placeholder);
  EXPECT_EQ(draw(*imageView(platform::Image::fromData({})), 3), placeholder);
}

TEST_F(PngRendererTest, WithoutAnyAssetsImagesStillDrawAFrame) {
  auto empty = std::filesystem::temp_directory_path() / "kassio-render-no-assets";
  std::filesystem::create_directories(empty);
  ScreenRenderer bare(empty);
  Picture picture(bare.capture(*imageView(platform::Image::named("alertIconNew")), 3));
  ASSERT_TRUE(picture.valid());
  EXPECT_GT(picture.count({{0, 0}, {24, 24}}, Color{0x9C, 0xA3, 0xAF, 1}, 20), 50);
  std::filesystem::remove_all(empty);
}

TEST_F(PngRendererTest, StyledRunsKeepTheirColours) {
  auto label = std::make_shared<platform::Label>();
  label->frame.size = {300, 40};
  label->font = platform::Font{"Lato-Bold", 24};
  label->setAttributedText(
      platform::AttributedString{{platform::TextRun{"Paid ", std::nullopt, red},
                                  platform::TextRun{"$250.00", platform::Font{"Inter-SemiBold", 24}, blue, true}}});
  Picture picture(draw(*label, 3));
  platform::Rect all{{0, 0}, {300, 40}};
  EXPECT_GT(picture.count(all, red), 300);
  EXPECT_GT(picture.count(all, blue), 300);
  EXPECT_EQ(picture.count(all, Color::black(), 60), 0) << "no run falls back to the label's colour";
}

}  // namespace
}  // namespace kassio::host
