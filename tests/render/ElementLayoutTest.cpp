#include <gtest/gtest.h>

#include "host/ScreenRenderer.h"
#include "kassio/platform/ui/Cell.h"
#include "kassio/platform/ui/ImageView.h"
#include "kassio/platform/ui/ListView.h"

namespace kassio::host {
namespace {

using platform::Rect;
using platform::View;

std::shared_ptr<platform::Label> label(const std::string& text, int lines = 1) {
  auto view = std::make_shared<platform::Label>();
  view->setText(text);
  view->font = platform::Font{"Inter-Regular", 14};
  view->numberOfLines = lines;
  return view;
}

class AmountCell final : public platform::Cell {
  KASSIO_CELL(AmountCell)
 public:
  KASSIO_OUTLET(platform::Label, amountLabel);

 protected:
  void loadView() override { add(amountLabel, label("")); }
};

// Rows made on demand, as a screen's list presenter makes them.
class Rows final : public platform::ListDataSource {
 public:
  explicit Rows(std::vector<std::string> texts) : texts_(std::move(texts)) {}
  int numberOfItems(platform::ListView&, int) override { return static_cast<int>(texts_.size()); }
  std::shared_ptr<View> cellForItem(platform::ListView&, platform::IndexPath path) override {
    auto cell = std::make_shared<AmountCell>();
    cell->loadIfNeeded();
    cell->amountLabel->setText(texts_[static_cast<std::size_t>(path.item)]);
    return cell;
  }

 private:
  std::vector<std::string> texts_;
};

class ElementLayoutTest : public ::testing::Test {
 protected:
  LayoutBox lay(const View& root, double width = 390) { return renderer.layout().layout(root, {width, 0}); }
  ScreenRenderer renderer;
};

TEST_F(ElementLayoutTest, VerticalStackPlacesVisibleChildrenWithItsSpacing) {
  platform::StackView stack;
  stack.spacing = 10;
  auto first = label("Amount");
  auto skipped = label("Not shown");
  skipped->hidden = true;
  auto last = label("Mobile number");
  for (const auto& child : {first, skipped, last}) stack.addArrangedSubview(child);
  auto box = lay(stack);
  auto a = box.frameOf(*first), c = box.frameOf(*last);
  ASSERT_TRUE(a && c);
  EXPECT_FALSE(box.frameOf(*skipped)) << "hidden elements are left out";
  EXPECT_GT(a->height(), 10);
  EXPECT_DOUBLE_EQ(c->origin.y, a->height() + 10);
  EXPECT_DOUBLE_EQ(a->width(), 390) << "children take the stack's width";
  EXPECT_DOUBLE_EQ(box.frame.height(), a->height() + 10 + c->height());
}

TEST_F(ElementLayoutTest, HorizontalStackSharesWhatFixedWidthChildrenLeave) {
  platform::StackView row;
  row.axis = platform::LayoutAxis::horizontal;
  row.spacing = 8;
  auto icon = std::make_shared<platform::ImageView>();
  icon->image = platform::Image::named("alertIconNew");  // 24 points of its own
  auto title = label("Title");
  auto close = std::make_shared<platform::Button>();
  close->image = platform::Image::named("imgRedClose");
  for (const std::shared_ptr<View>& child : std::vector<std::shared_ptr<View>>{icon, title, close})
    row.addArrangedSubview(child);
  auto box = lay(row, 342);
  auto i = box.frameOf(*icon), t = box.frameOf(*title), b = box.frameOf(*close);
  ASSERT_TRUE(i && t && b);
  EXPECT_EQ(*i, (Rect{{0, 0}, {24, 24}}));
  EXPECT_DOUBLE_EQ(t->origin.x, 32);
  EXPECT_DOUBLE_EQ(t->width(), 342 - 24 - 24 - 16);
  EXPECT_DOUBLE_EQ(b->origin.x, 318);
  EXPECT_DOUBLE_EQ(b->width(), 24);
  EXPECT_DOUBLE_EQ(t->origin.y, (24 - t->height()) / 2) << "children are centred on the row";
}

TEST_F(ElementLayoutTest, LabelsTakeTheHeightOfTheirText) {
  const std::string text = "The amount must be more than zero and not more than the limit of the terminal.";
  auto oneLine = lay(*label(text, 1), 200);
  auto wrapped = lay(*label(text, 0), 200);
  auto twoLines = lay(*label(text, 2), 200);
  ASSERT_TRUE(oneLine.text && wrapped.text && twoLines.text);
  EXPECT_LE(oneLine.text->size().width, 200.01) << "cut short to its width";
  EXPECT_GE(wrapped.frame.height(), 3 * oneLine.frame.height() - 0.01) << "broken over three lines or more";
  EXPECT_DOUBLE_EQ(twoLines.frame.height(), 2 * oneLine.frame.height());
  EXPECT_DOUBLE_EQ(lay(*label(""), 200).frame.height(), 0);

  auto stated = label(text, 0);
  stated->frame.size = {200, 18};
  EXPECT_DOUBLE_EQ(lay(*stated, 200).frame.height(), 18) << "a stated height is kept";
}

TEST_F(ElementLayoutTest, ContainersKeepPlacedChildrenAndGrowToTheirContent) {
  View root;
  root.frame.size = {390, 100};
  auto card = std::make_shared<View>();
  card->frame = {{24, 340}, {342, 164}};
  root.addSubview(card);
  auto box = lay(root);
  EXPECT_EQ(box.frameOf(*card), (Rect{{24, 340}, {342, 164}}));
  EXPECT_DOUBLE_EQ(box.frame.height(), 504);
  EXPECT_EQ(root.frame, (Rect{{0, 0}, {390, 100}})) << "the module's frames are left alone";
  EXPECT_EQ(card->frame, (Rect{{24, 340}, {342, 164}}));
}

TEST_F(ElementLayoutTest, RoundedContainersKeepTheirContentOffTheEdge) {
  View card;
  card.cornerRadius = 10;
  auto text = label("Inside");
  card.addSubview(text);
  auto box = lay(card, 300);
  auto frame = box.frameOf(*text);
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->origin, (platform::Point{12, 12}));
  EXPECT_DOUBLE_EQ(frame->width(), 276);
  EXPECT_DOUBLE_EQ(box.frame.height(), frame->height() + 24);
}

TEST_F(ElementLayoutTest, ListRowsFollowOneAnotherAndAPagedListShowsItsPage) {
  auto rows = std::make_shared<Rows>(std::vector<std::string>{"$10.00", "$20.00", "$30.00"});
  auto owner = std::make_shared<platform::ListView>();
  auto& list = *owner;
  list.dataSource = rows;
  list.reloadData();
  auto box = lay(list);
  ASSERT_EQ(box.children.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(box.children[static_cast<std::size_t>(i)].row, i);
  EXPECT_DOUBLE_EQ(box.children[1].frame.origin.y, box.children[0].frame.height());

  list.isPagingEnabled = true;
  list.frame.size = {390, 0};
  list.scrollToPage(2);
  auto paged = lay(list);
  EXPECT_TRUE(paged.clips);
  EXPECT_DOUBLE_EQ(paged.children[2].frame.origin.x, 0);
  EXPECT_DOUBLE_EQ(paged.children[0].frame.origin.x, -780);
}

TEST(ElementLayoutTextTest, WebViewsShowTheReadableTextOfTheirPage) {
  platform::WebView web;
  web.loadHTMLString(
      "<html><head><style>p{color:red}</style><script>track('<p>')</script></head>"
      "<body><p>Get 10%&nbsp;cashback</p>\n  <p>on &quot;UPI&quot; &amp; cards</p></body></html>");
  auto textSpec = ElementLayout::webText(web);
  ASSERT_TRUE(textSpec);
  EXPECT_EQ(textSpec->text, "Get 10% cashback on \"UPI\" & cards");
  web.loadHTMLString("<div></div>");
  EXPECT_FALSE(ElementLayout::webText(web));
}

TEST(FontCatalogTest, NamesGiveFamilyWeightAndStyle) {
  struct Case {
    const char* name;
    const char* family;
    int weight;
    bool italic;
  };
  for (const auto& c : {Case{"Lato-Bold", "Lato", 700, false}, Case{"Lato-Semibold", "Lato", 600, false},
                        Case{"Lato-Regular", "Lato", 400, false}, Case{"Lato-Medium", "Lato", 500, false},
                        Case{"Inter-SemiBold", "Inter", 600, false}, Case{"Inter-Regular", "Inter", 400, false},
                        Case{"OpenSans-Bold", "Open Sans", 700, false}, Case{"Lato-BoldItalic", "Lato", 700, true},
                        Case{"Lato-ExtraBold", "Lato", 800, false}, Case{"Helvetica", "Helvetica", 400, false}}) {
    auto face = FontCatalog::face(c.name);
    EXPECT_EQ(face.family, c.family) << c.name;
    EXPECT_EQ(face.weight, c.weight) << c.name;
    EXPECT_EQ(face.italic, c.italic) << c.name;
  }
}

TEST(FontCatalogTest, MissingFamilyFallsBackToTheSystemFontOfTheSameSize) {
  TextShaper shaper;
  auto& fonts = shaper.fonts();
  ASSERT_TRUE(fonts.isInstalled("Lato") && fonts.isInstalled("Inter") && fonts.isInstalled("Open Sans"));
  const auto* lato = fonts.description({"Lato-Bold", 16});
  EXPECT_STREQ(pango_font_description_get_family(lato), "Lato");
  const auto* missing = fonts.description({"NoSuchFamily-Bold", 16});
  EXPECT_STREQ(pango_font_description_get_family(missing), "Inter");
  EXPECT_EQ(pango_font_description_get_weight(missing), PANGO_WEIGHT_NORMAL);
  EXPECT_EQ(pango_font_description_get_size(missing), 16 * PANGO_SCALE);
}

}  // namespace
}  // namespace kassio::host
