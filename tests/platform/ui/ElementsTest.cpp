#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "kassio/platform/ui/ActivityIndicator.h"
#include "kassio/platform/ui/AnimationView.h"
#include "kassio/platform/ui/Button.h"
#include "kassio/platform/ui/ImageView.h"
#include "kassio/platform/ui/PageControl.h"
#include "kassio/platform/ui/StackView.h"
#include "kassio/platform/ui/WebView.h"

namespace kassio::platform {
namespace {

TEST(ImageView, TemplateFollowsTheImagesRenderingMode) {
  ImageView view;
  EXPECT_FALSE(view.userInteractionEnabled);  // image views take no touches unless asked
  EXPECT_FALSE(view.isTemplate());
  view.image = Image::named("alertIconNew");
  EXPECT_FALSE(view.isTemplate());
  view.image = view.image->withRenderingMode(ImageRenderingMode::alwaysTemplate);
  view.tintColor = Color::fromHex("#F99F35");
  EXPECT_TRUE(view.isTemplate());

  nlohmann::ordered_json out;
  view.describe(out);
  EXPECT_EQ(out["image"], "alertIconNew");
  EXPECT_EQ(out["tint"], "#F99F35");
  EXPECT_EQ(out["template"], true);
}

TEST(ImageView, DumpNamesDataImagesBySize) {
  EXPECT_EQ(imageJson(Image::fromData({1, 2, 3})), "png:3");
  EXPECT_TRUE(imageJson(std::nullopt).is_null());
}

TEST(ActivityIndicator, HidesWhileStoppedOnlyWhenAsked) {
  ActivityIndicator spinner;
  spinner.hidden = true;
  spinner.startAnimating();
  EXPECT_TRUE(spinner.isAnimating());
  EXPECT_FALSE(spinner.hidden);
  spinner.stopAnimating();
  EXPECT_TRUE(spinner.hidden);

  spinner.hidesWhenStopped = false;
  spinner.hidden = false;
  spinner.stopAnimating();
  EXPECT_FALSE(spinner.hidden);
  EXPECT_FALSE(spinner.isAnimating());
}

// Cancels links to one host and counts finished loads.
class LinkPolicy : public WebViewNavigationDelegate {
 public:
  std::vector<std::string> asked;
  int finished = 0;
  NavigationPolicy decidePolicy(WebView&, const std::string& url, NavigationType) override {
    asked.push_back(url);
    return url.rfind("upi://", 0) == 0 ? NavigationPolicy::cancel : NavigationPolicy::allow;
  }
  void didFinishNavigation(WebView&) override { ++finished; }
};

TEST(WebView, NavigationsGoThroughTheDelegate) {
  auto policy = std::make_shared<LinkPolicy>();
  WebView web;
  web.navigationDelegate = policy;
  web.loadHTMLString("<p>Terms</p>", "https://example.invalid/");
  EXPECT_EQ(policy->finished, 1);
  EXPECT_EQ(web.html(), "<p>Terms</p>");

  EXPECT_FALSE(web.navigate("upi://pay?pa=shop@bank"));
  EXPECT_TRUE(web.navigate("https://example.invalid/faq"));
  EXPECT_EQ(policy->asked.size(), 2u);
  EXPECT_EQ(web.loadedURLs(), std::vector<std::string>{"https://example.invalid/faq"});

  web.navigationDelegate.reset();
  EXPECT_TRUE(web.navigate("upi://pay"));  // nobody to refuse it
}

TEST(SimpleElements, DumpsReportTheirOwnState) {
  PageControl pages;
  pages.numberOfPages = 4;
  pages.currentPage = 2;
  AnimationView animation;
  animation.animationName = "success";
  animation.loopMode = AnimationLoopMode::loop;
  animation.play();

  nlohmann::ordered_json pageOut, animationOut;
  pages.describe(pageOut);
  animation.describe(animationOut);
  EXPECT_EQ(pageOut["kind"], "pageControl");
  EXPECT_EQ(pageOut["pages"], 4);
  EXPECT_EQ(pageOut["current"], 2);
  EXPECT_EQ(animationOut["animation"], "success");
  EXPECT_EQ(animationOut["playing"], true);
  EXPECT_EQ(animationOut["loop"], true);
  animation.stop();
  EXPECT_FALSE(animation.isPlaying());
}

TEST(StackView, ArrangedSubviewsAreItsSubviews) {
  auto stack = std::make_shared<StackView>();
  auto a = std::make_shared<Button>(), b = std::make_shared<Button>();
  stack->addArrangedSubview(a);
  stack->addArrangedSubview(b);
  ASSERT_EQ(stack->arrangedSubviews().size(), 2u);
  EXPECT_EQ(stack->arrangedSubviews()[1], b);
  EXPECT_EQ(b->superview(), stack.get());
}

}  // namespace
}  // namespace kassio::platform
