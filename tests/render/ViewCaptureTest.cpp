#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "host/CairoViewCapture.h"
#include "kassio/platform/ui/Label.h"

namespace kassio::host {
namespace {

using platform::Color;
using platform::View;

std::shared_ptr<View> box(platform::Rect frame, Color color) {
  auto view = std::make_shared<View>();
  view->frame = frame;
  view->backgroundColor = color;
  return view;
}

const Color red{255, 0, 0, 1};
const Color blue{0, 0, 255, 1};

struct CaptureSize {
  platform::Size bounds;
  double scale;
  int width, height;
};

void PrintTo(const CaptureSize& c, std::ostream* out) {
  *out << c.bounds.width << "x" << c.bounds.height << " at " << c.scale;
}

class ViewCaptureSizeTest : public ::testing::TestWithParam<CaptureSize> {};

TEST_P(ViewCaptureSizeTest, ImageIsTheBoundsTimesTheScale) {
  const auto& c = GetParam();
  // A subtree somewhere inside a larger tree: its position there does not matter.
  auto root = box({{0, 0}, {390, 844}}, Color::white());
  auto view = box({{10, 20}, c.bounds}, blue);
  auto label = std::make_shared<platform::Label>();
  label->setText("Receipt");
  view->addSubview(label);
  root->addSubview(view);
  CairoViewCapture capture;
  Picture picture(capture.pngData(*view, c.scale), c.scale);
  ASSERT_TRUE(picture.valid());
  EXPECT_EQ(picture.width(), c.width);
  EXPECT_EQ(picture.height(), c.height);
  EXPECT_TRUE(Picture::near(picture.pixelAt(c.width - 2, c.height - 2), blue, 0)) << "drawn from its own origin";
  EXPECT_EQ(view->frame, (platform::Rect{{10, 20}, c.bounds})) << "capture leaves the frame alone";
}

INSTANTIATE_TEST_SUITE_P(Sizes, ViewCaptureSizeTest,
                         ::testing::Values(CaptureSize{{200, 100}, 3, 600, 300}, CaptureSize{{200, 100}, 2, 400, 200},
                                           CaptureSize{{100.5, 33.3}, 3, 302, 100},
                                           CaptureSize{{390, 844}, 1, 390, 844}));

TEST(ViewCaptureTest, IsReachedThroughThePlatform) {
  VirtualHost device;  // installs the cairo capture
  auto view = box({{0, 0}, {50, 40}}, red);
  auto& platform = platform::Platform::current();
  Picture picture(platform.viewCapture->pngData(*view, platform.screenScale), platform.screenScale);
  EXPECT_EQ(picture.width(), 150);
  EXPECT_EQ(picture.height(), 120);
}

TEST(ViewCaptureTest, NothingToDrawGivesAnEmptyImage) {
  CairoViewCapture capture;
  auto hidden = box({{0, 0}, {50, 50}}, red);
  hidden->hidden = true;
  EXPECT_TRUE(capture.pngData(*hidden, 3).empty());
  View empty;
  EXPECT_TRUE(capture.pngData(empty, 3).empty()) << "no bounds and no content";
  EXPECT_TRUE(capture.pngData(*box({{0, 0}, {50, 50}}, red), 0).empty());
}

TEST(ViewCaptureTest, ViewWithoutBoundsIsCapturedAtPhoneWidthAndItsContentHeight) {
  CairoViewCapture capture;
  auto view = std::make_shared<View>();
  auto label = std::make_shared<platform::Label>();
  label->setText("Paid $250.00");
  label->font = platform::Font{"Lato-Bold", 24};
  view->addSubview(label);
  Picture picture(capture.pngData(*view, 3));
  ASSERT_TRUE(picture.valid());
  EXPECT_EQ(picture.width(), 390 * 3);
  EXPECT_GT(picture.height(), 20 * 3);
  EXPECT_LT(picture.height(), 40 * 3);
}

TEST(ViewCaptureTest, HiddenSubtreesAreLeftOut) {
  auto parent = box({{0, 0}, {100, 100}}, Color::white());
  auto child = box({{10, 10}, {50, 50}}, red);
  auto grandchild = box({{5, 5}, {20, 20}}, blue);
  child->addSubview(grandchild);
  parent->addSubview(child);
  CairoViewCapture capture;
  auto colours = [&] {
    Picture picture(capture.pngData(*parent, 1), 1);
    platform::Rect all{{0, 0}, {100, 100}};
    return std::make_pair(picture.count(all, red, 0), picture.count(all, blue, 0));
  };
  EXPECT_EQ(colours(), std::make_pair(50 * 50 - 20 * 20, 20 * 20));
  grandchild->hidden = true;
  EXPECT_EQ(colours(), std::make_pair(50 * 50, 0));
  grandchild->hidden = false;
  child->hidden = true;
  EXPECT_EQ(colours(), std::make_pair(0, 0)) << "a hidden view hides its subtree";
}

}  // namespace
}  // namespace kassio::host
