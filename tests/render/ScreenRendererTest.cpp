#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "RenderTestSupport.h"
#include "host/ScreenRenderer.h"
#include "kassio/platform/ui/NavigationController.h"

namespace kassio::host {
namespace {

using platform::ModalPresentationStyle;

class Coloured : public platform::Screen {
 public:
  Coloured(std::string name, platform::Color color) : name_(std::move(name)), color_(color) {}
  std::string className() const override { return name_; }

 protected:
  void viewDidLoad() override { view()->backgroundColor = color_; }

 private:
  std::string name_;
  platform::Color color_;
};

class ScreenRendererTest : public RenderPlatformTest {
 protected:
  void SetUp() override {
    RenderPlatformTest::SetUp();
    directory = std::filesystem::temp_directory_path() / ("kassio-render-" + std::to_string(getpid()));
    std::filesystem::create_directories(directory);
  }
  void TearDown() override {
    std::filesystem::remove_all(directory);
    RenderPlatformTest::TearDown();
  }
  static std::vector<std::uint8_t> read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::filesystem::path directory;
};

TEST_F(ScreenRendererTest, ShotAndPageAreWrittenToTheirFiles) {
  auto screen = std::make_shared<Coloured>("Home", platform::Color{0x80, 0xC3, 0x41, 1});
  window->setRootScreen(screen);
  std::string error;
  auto png = directory / "home.png";
  auto html = directory / "home.html";
  ASSERT_TRUE(writeScreenPng(*screen, png.string(), error)) << error;
  ASSERT_TRUE(writeScreenHtml(*screen, html.string(), error)) << error;
  Picture picture(read(png));
  EXPECT_EQ(picture.width(), 1170);
  EXPECT_TRUE(Picture::near(picture.at(100, 100), platform::Color{0x80, 0xC3, 0x41, 1}, 0));
  auto page = read(html);
  EXPECT_EQ(std::string(page.begin(), page.begin() + 15), "<!DOCTYPE html>");

  EXPECT_FALSE(writeScreenPng(*screen, (directory / "missing" / "x.png").string(), error));
  EXPECT_THAT(error, ::testing::HasSubstr("missing/x.png"));
  EXPECT_FALSE(writeScreenHtml(*screen, (directory / "missing" / "x.html").string(), error));
}

struct LayerCase {
  ModalPresentationStyle style;
  std::size_t layers;
};

void PrintTo(const LayerCase& c, std::ostream* out) { *out << "style " << static_cast<int>(c.style); }

class PresentedLayersTest : public ScreenRendererTest, public ::testing::WithParamInterface<LayerCase> {};

TEST_P(PresentedLayersTest, ScreensOverTheirPresenterAreDrawnOverIt) {
  auto below = std::make_shared<Coloured>("Below", platform::Color::white());
  auto navigation = std::make_shared<platform::NavigationController>(below);
  window->setRootScreen(navigation);
  auto over = std::make_shared<Coloured>("Over", platform::Color{0, 0, 0, 0.5});
  over->modalPresentationStyle = GetParam().style;
  navigation->present(over, false);
  loop->runDue();
  ScreenRenderer renderer;
  EXPECT_EQ(renderer.layOut(*over).layers.size(), GetParam().layers);
  EXPECT_EQ(renderer.layOut(*below).layers.size(), 1u) << "a screen in a navigation stack is drawn alone";
}

INSTANTIATE_TEST_SUITE_P(Styles, PresentedLayersTest,
                         ::testing::Values(LayerCase{ModalPresentationStyle::fullScreen, 1},
                                           LayerCase{ModalPresentationStyle::overCurrentContext, 2},
                                           LayerCase{ModalPresentationStyle::overFullScreen, 2}));

TEST_F(ScreenRendererTest, AnOverlayCoversAPresenterTallerThanTheWindow) {
  auto below = std::make_shared<Coloured>("Below", platform::Color::white());
  window->setRootScreen(below);
  auto tall = std::make_shared<platform::View>();
  tall->frame.size = {390, 1500};
  below->view()->addSubview(tall);
  auto over = std::make_shared<Coloured>("Over", platform::Color{0, 0, 0, 0.4});
  over->modalPresentationStyle = ModalPresentationStyle::overCurrentContext;
  below->present(over, false);
  loop->runDue();
  ScreenRenderer renderer;
  Picture picture(renderer.png(*over));
  EXPECT_EQ(picture.height(), 1500 * 3);
  EXPECT_TRUE(Picture::near(picture.at(195, 1400), platform::Color{153, 153, 153, 1}, 2));
}

}  // namespace
}  // namespace kassio::host
