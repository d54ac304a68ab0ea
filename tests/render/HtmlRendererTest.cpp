#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

#include "RenderTestSupport.h"
#include "host/ScreenRenderer.h"
#include "kassio/platform/ui/CompoundView.h"
#include "kassio/platform/ui/ImageView.h"
#include "kassio/platform/ui/ListView.h"
#include "kassio/platform/ui/TextField.h"
#include "kassio/ui/AlertPresenter.h"

namespace kassio::host {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// A host screen with a compound field, a list and a hidden label.
class FormScreen : public platform::Screen, public platform::ListDataSource {
 public:
  std::string className() const override { return "FormScreen"; }
  int numberOfItems(platform::ListView&, int) override { return 2; }
  std::shared_ptr<platform::View> cellForItem(platform::ListView&, platform::IndexPath path) override {
    auto cell = std::make_shared<platform::CompoundView>();
    auto amount = cell->addOutlet("amountLabel", std::make_shared<platform::Label>());
    amount->setText(path.item == 0 ? "$10.00" : "$20.00");
    return cell;
  }

 protected:
  void viewDidLoad() override {
    auto title = addOutlet("titleLabel", std::make_shared<platform::Label>());
    title->setText("Tom & Jerry <Traders>");
    title->textColor = platform::Color{0x17, 0x1F, 0x12, 1};
    auto mobile = addOutlet("txtMobileNumber", std::make_shared<platform::CompoundView>());
    auto field = mobile->addOutlet("textFIeld", std::make_shared<platform::TextField>());
    field->placeholder = "e.g. 9898989898";
    field->keyboardType = platform::KeyboardType::phonePad;
    auto note = addOutlet("noteLabel", std::make_shared<platform::Label>());
    note->setText("Hidden note");
    note->hidden = true;
    auto list = addOutlet("collectionView", std::make_shared<platform::CollectionView>());
    list->dataSource =
        std::static_pointer_cast<platform::ListDataSource>(std::static_pointer_cast<FormScreen>(shared_from_this()));
    list->reloadData();
  }
};

// References that would make the page need something beyond itself.
void expectSelfContained(const std::string& page) {
  EXPECT_THAT(page, Not(HasSubstr("http:")));
  EXPECT_THAT(page, Not(HasSubstr("https:")));
  EXPECT_THAT(page, Not(HasSubstr("<link")));
  EXPECT_THAT(page, Not(HasSubstr("<script")));
  std::smatch found;
  EXPECT_FALSE(std::regex_search(page, found, std::regex(R"((src|href)\s*=\s*(?!\s*"data:))"))) << found.str();
  EXPECT_FALSE(std::regex_search(page, found, std::regex(R"(url\((?!\s*['"]?data:))"))) << found.str();
}

class HtmlRendererTest : public RenderPlatformTest {};

TEST_F(HtmlRendererTest, DialogPageHoldsItsElementsTextsAndColours) {
  window->setRootScreen(std::make_shared<FormScreen>());
  showAlert("Enter a valid amount", "The amount must be more than zero.", true);
  loop->runDue();
  ScreenRenderer renderer;
  auto page = renderer.html(*window->topMostScreen());
  for (const char* id : {"containerView", "titleImageView", "titleLabel", "closeButton", "instructionLabel"})
    EXPECT_THAT(page, HasSubstr(std::string("id=\"") + id + "\"")) << id;
  EXPECT_THAT(page, Not(HasSubstr("id=\"actionView\""))) << "hidden action row";
  EXPECT_THAT(page, HasSubstr("Enter a valid amount"));
  EXPECT_THAT(page, HasSubstr("The amount must be more than zero."));
  EXPECT_THAT(page, HasSubstr("background-color:#FEF8E6"));
  EXPECT_THAT(page, HasSubstr("color:#F99F35"));
  EXPECT_THAT(page, HasSubstr("background-color:rgba(0,0,0,0.4)")) << "the dimmed backdrop";
  // The presenter is drawn under the dialog; its elements say whose they are.
  EXPECT_THAT(page, HasSubstr("id=\"FormScreen/titleLabel\""));
  EXPECT_THAT(page, HasSubstr("data-screen=\"VedavUzAlertViewControllerViewController\""));
  EXPECT_THAT(page, HasSubstr("<!DOCTYPE html>"));
  expectSelfContained(page);
}

TEST_F(HtmlRendererTest, ElementsAreNamedByTheirPathsAndTextIsEscaped) {
  auto screen = std::make_shared<FormScreen>();
  window->setRootScreen(screen);
  ScreenRenderer renderer;
  auto page = renderer.html(*screen);
  EXPECT_THAT(page, HasSubstr("id=\"titleLabel\""));
  EXPECT_THAT(page, HasSubstr("id=\"txtMobileNumber.textFIeld\""));
  EXPECT_THAT(page, HasSubstr("id=\"collectionView.0.amountLabel\""));
  EXPECT_THAT(page, HasSubstr("id=\"collectionView.1.amountLabel\""));
  EXPECT_THAT(page, HasSubstr("data-row=\"1\""));
  EXPECT_THAT(page, HasSubstr("$20.00"));
  EXPECT_THAT(page, HasSubstr("placeholder=\"e.g. 9898989898\""));
  EXPECT_THAT(page, HasSubstr("inputmode=\"tel\""));
  EXPECT_THAT(page, HasSubstr("Tom &amp; Jerry &lt;Traders&gt;"));
  EXPECT_THAT(page, Not(HasSubstr("<Traders>")));
  EXPECT_THAT(page, Not(HasSubstr("Hidden note")));
  EXPECT_THAT(page, Not(HasSubstr("noteLabel")));
  expectSelfContained(page);
}

TEST_F(HtmlRendererTest, StyledRunsAndTemplatesKeepTheirLook) {
  platform::View root;
  auto text = std::make_shared<platform::Label>();
  text->name = "amountLabel";
  text->setAttributedText(
      platform::AttributedString{{platform::TextRun{"Pay "}, platform::TextRun{"$5.00", platform::Font{"Lato-Bold", 16},
                                                                               platform::Color{0xE2, 0x28, 0x53, 1},
                                                                               true, platform::Color::black()}}});
  auto icon = std::make_shared<platform::ImageView>();
  icon->image = platform::Image::named("alertIconNew").withRenderingMode(platform::ImageRenderingMode::alwaysTemplate);
  icon->tintColor = platform::Color{0xF9, 0x9F, 0x35, 1};
  auto missing = std::make_shared<platform::ImageView>();
  missing->image = platform::Image::named("noSuchAsset");
  root.addSubview(text);
  root.addSubview(icon);
  root.addSubview(missing);
  ScreenRenderer renderer;
  auto box = renderer.layout().layout(root, {390, 0});
  HtmlRenderer html(renderer.images());
  auto page = html.page("Runs", {HtmlRenderer::Layer{&box, "", {}}}, {390, box.frame.height()});
  EXPECT_THAT(page, HasSubstr("<span>Pay </span>"));
  EXPECT_THAT(page, HasSubstr("font-family:'Lato','Inter',sans-serif;font-weight:700"));
  EXPECT_THAT(page, HasSubstr("color:#E22853;text-decoration:underline;text-decoration-color:#000000"));
  EXPECT_THAT(page, HasSubstr("background-color:#F99F35;-webkit-mask-image:url('data:image/svg+xml;base64,"));
  // The missing asset shows the placeholder, inline like every other picture.
  ImageAssets assets;
  EXPECT_THAT(page, HasSubstr(assets.dataUri(platform::Image::named(ImageAssets::placeholderName))));
  expectSelfContained(page);
}

}  // namespace
}  // namespace kassio::host
