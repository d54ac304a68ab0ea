#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

#include "RenderTestSupport.h"
#include "host/ScreenRenderer.h"
#include "kassio/platform/ui/Cell.h"
#include "kassio/platform/ui/Elements.h"
#include "kassio/platform/ui/ImageView.h"
#include "kassio/platform/ui/ListAdapter.h"
#include "kassio/platform/ui/TextField.h"
#include "kassio/ui/AlertPresenter.h"

namespace kassio::host {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class AmountCell final : public platform::Cell {
  KASSIO_CELL(AmountCell)
 public:
  KASSIO_OUTLET(platform::Label, amountLabel);

 protected:
  void loadView() override { add(amountLabel); }
};

class AmountRows final : public platform::ListAdapter<std::string, AmountCell> {
  void fill(AmountCell& cell, const std::string& amount, platform::IndexPath) override {
    cell.amountLabel->setText(amount);
  }
};

class MobileField final : public platform::Cell {
  KASSIO_CELL(MobileField)
 public:
  KASSIO_OUTLET(platform::TextField, textFIeld);

 protected:
  void loadView() override {
    add(textFIeld, platform::makeTextField({.placeholder = "e.g. 9898989898", .keyboard = platform::KeyboardType::phonePad}));
  }
};

// A host screen with a compound field, a list and a hidden label.
class FormScreen final : public platform::Screen {
  KASSIO_SCREEN(FormScreen)
 public:
  KASSIO_OUTLET(platform::Label, titleLabel);
  KASSIO_OUTLET(MobileField, txtMobileNumber);
  KASSIO_OUTLET(platform::Label, noteLabel);
  KASSIO_OUTLET(platform::CollectionView, collectionView);

 protected:
  void loadView() override {
    Screen::loadView();
    add(titleLabel, platform::makeLabel({.color = platform::Color{0x17, 0x1F, 0x12, 1}}));
    auto field = std::make_shared<MobileField>();
    field->loadIfNeeded();
    add(txtMobileNumber, field);
    add(noteLabel).hidden = true;
    rows_->attach(add(collectionView));
  }
  void update() override {
    titleLabel->setText("Tom & Jerry <Traders>");
    noteLabel->setText("Hidden note");
    rows_->setRows({"$10.00", "$20.00"}, *collectionView);
  }

 private:
  std::shared_ptr<AmountRows> rows_ = std::make_shared<AmountRows>();
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
