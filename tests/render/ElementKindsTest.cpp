#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "RenderTestSupport.h"
#include "host/ScreenRenderer.h"
#include "kassio/platform/ui/ActivityIndicator.h"
#include "kassio/platform/ui/AnimationView.h"
#include "kassio/platform/ui/CompoundView.h"
#include "kassio/platform/ui/ImageView.h"
#include "kassio/platform/ui/ListView.h"
#include "kassio/platform/ui/PageControl.h"

namespace kassio::host {
namespace {

using platform::Color;
using platform::Rect;
using platform::View;

const Color red{255, 0, 0, 1};
const Color white{255, 255, 255, 1};

// A level meter: an element the toolkit does not have, brought in by one row.
class Gauge : public View {
 public:
  std::string kind() const override { return "gauge"; }
  double level = 0;  // 0 to 1
};

ElementRow<Gauge> gaugeRow() {
  return {
      .kind = "gauge",
      .leaf = true,
      .sizing = [](const Gauge&) { return ElementSizing::ownCentred; },
      .measure = [](const Gauge&, ElementLayout&, double, LayoutBox&) { return 30.0; },
      .contentWidth = [](const Gauge&, ElementLayout&) { return 120.0; },
      .paint =
          [](const Gauge& gauge, PngRenderer&, cairo_t* cr, const LayoutBox& box) {
            cairo_rectangle(cr, 0, 0, box.frame.size.width * gauge.level, box.frame.size.height);
            PngRenderer::setColor(cr, red);
            cairo_fill(cr);
          },
      .css = ".k-gauge{width:100%;height:100%}",
      .tag = [](const Gauge&, const LayoutBox&, HtmlTag& tag) { tag.classes += " k-meter"; },
      .content =
          [](const Gauge& gauge, HtmlRenderer&, const LayoutBox&, std::string& out) {
            out += "<meter class=\"k-gauge\" value=\"" + std::to_string(static_cast<int>(gauge.level * 100)) +
                   "\" max=\"100\"></meter>";
          },
  };
}

// A label of a kind of its own that nobody gave a row.
class Caption : public platform::Label {
 public:
  std::string kind() const override { return "caption"; }
};

// A plain view that claims a kind whose row is for another type.
class Impostor : public View {
 public:
  std::string kind() const override { return "label"; }
};

std::string pageOf(HtmlRenderer& html, const LayoutBox& box) {
  return html.page("Kinds", {HtmlRenderer::Layer{&box, "", {}}}, {390, 100});
}

TEST(ElementKindsTest, ANewKindIsLaidOutPaintedAndWrittenWithItsOneRow) {
  View root;
  root.backgroundColor = white;
  auto gauge = std::make_shared<Gauge>();
  gauge->level = 0.25;
  root.addSubview(gauge);

  ElementKinds kinds = ElementKinds::standard();
  kinds.add(gaugeRow());
  ScreenRenderer renderer(ImageAssets::defaultDirectory(), kinds);
  auto box = renderer.layout().layout(root, {390, 0});
  EXPECT_EQ(box.frameOf(*gauge), (Rect{{135, 0}, {120, 30}})) << "its own size, centred in the column";

  Picture picture(renderer.capture(root, 1), 1);
  ASSERT_TRUE(picture.valid());
  EXPECT_TRUE(Picture::near(picture.at(140, 15), red)) << describe(picture.at(140, 15));
  EXPECT_TRUE(Picture::near(picture.at(200, 15), white)) << "a quarter of the gauge is filled";

  HtmlRenderer html(renderer.images(), kinds);
  auto page = pageOf(html, box);
  EXPECT_NE(page.find("</style>"), std::string::npos);
  EXPECT_LT(page.find(".k-gauge{width:100%;height:100%}"), page.find("</style>"));
  EXPECT_NE(page.find("<div class=\"k k-meter\" data-kind=\"gauge\""), std::string::npos) << page;
  EXPECT_NE(page.find("<meter class=\"k-gauge\" value=\"25\" max=\"100\"></meter>"), std::string::npos);

  // The toolkit's own table has no such row: there the gauge is an empty plain view.
  ScreenRenderer standard;
  auto plain = standard.layout().layout(root, {390, 0});
  EXPECT_EQ(plain.frameOf(*gauge), (Rect{{0, 0}, {390, 0}}));
  HtmlRenderer standardHtml(standard.images());
  EXPECT_EQ(pageOf(standardHtml, plain).find("meter"), std::string::npos);
}

struct KindCase {
  const char* element;
  std::function<std::shared_ptr<View>()> make;
  const char* row;
};

void PrintTo(const KindCase& c, std::ostream* out) { *out << c.element; }

class RowLookupTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(RowLookupTest, EveryElementFindsItsRowOrItsNearestTypesRow) {
  auto view = GetParam().make();
  EXPECT_EQ(ElementKinds::standard().of(*view).kind, GetParam().row);
}

template <class T>
std::function<std::shared_ptr<View>()> make() {
  return [] { return std::make_shared<T>(); };
}

const KindCase kindCases[] = {
    // Every kind of the toolkit has a row of its own.
    {"view", make<View>(), "view"},
    {"compound", make<platform::CompoundView>(), "view"},
    {"scroll", make<platform::ScrollView>(), "scroll"},
    {"table", make<platform::TableView>(), "list"},
    {"collection", make<platform::CollectionView>(), "list"},
    {"stack", make<platform::StackView>(), "stack"},
    {"label", make<platform::Label>(), "label"},
    {"button", make<platform::Button>(), "button"},
    {"textField", make<platform::TextField>(), "textField"},
    {"image", make<platform::ImageView>(), "image"},
    {"pageControl", make<platform::PageControl>(), "pageControl"},
    {"activityIndicator", make<platform::ActivityIndicator>(), "activityIndicator"},
    {"animation", make<platform::AnimationView>(), "animation"},
    {"web", make<platform::WebView>(), "web"},
    // Without a row of their own: the nearest type's row, else the plain view's.
    {"caption", make<Caption>(), "label"},
    {"impostor", make<Impostor>(), "view"},
    {"gauge", make<Gauge>(), "view"},
};

INSTANTIATE_TEST_SUITE_P(ToolkitAndOthers, RowLookupTest, ::testing::ValuesIn(kindCases),
                         [](const auto& info) { return std::string(info.param.element); });

TEST(ElementKindsTest, AKindWithoutARowDrawsAsItsNearestType) {
  View root;
  auto caption = std::make_shared<Caption>();
  caption->setText("Terms apply");
  root.addSubview(caption);
  ScreenRenderer renderer;
  auto box = renderer.layout().layout(root, {390, 0});
  const auto* placed = box.find(*caption);
  ASSERT_TRUE(placed);
  EXPECT_TRUE(placed->text) << "measured as a label";
  EXPECT_GT(placed->frame.height(), 10);
  HtmlRenderer html(renderer.images());
  auto page = pageOf(html, box);
  EXPECT_NE(page.find("class=\"k k-label\" data-kind=\"caption\""), std::string::npos) << page;
  EXPECT_NE(page.find(">Terms apply</span>"), std::string::npos);
}

}  // namespace
}  // namespace kassio::host
