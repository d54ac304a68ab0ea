#include "kassio/platform/ui/View.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "kassio/platform/ui/Button.h"
#include "kassio/platform/ui/Label.h"

namespace kassio::platform {
namespace {

std::shared_ptr<View> named(const std::string& name) {
  auto view = std::make_shared<View>();
  view->name = name;
  return view;
}

std::vector<View*> children(const View& view) {
  std::vector<View*> result;
  for (const auto& child : view.subviews()) result.push_back(child.get());
  return result;
}

TEST(ViewTree, AddingToAnotherParentMovesTheView) {
  auto first = named("first"), second = named("second"), child = named("child");
  first->addSubview(child);
  second->addSubview(child);

  EXPECT_TRUE(first->subviews().empty());
  EXPECT_EQ(children(*second), std::vector<View*>{child.get()});
  EXPECT_EQ(child->superview(), second.get());
}

TEST(ViewTree, InsertKeepsOrderAndClampsTheIndex) {
  auto parent = named("parent"), a = named("a"), b = named("b"), c = named("c");
  parent->addSubview(a);
  parent->addSubview(c);
  parent->insertSubview(b, 1);
  EXPECT_EQ(children(*parent), (std::vector<View*>{a.get(), b.get(), c.get()}));

  parent->insertSubview(a, 99);  // moving within the same parent
  EXPECT_EQ(children(*parent), (std::vector<View*>{b.get(), c.get(), a.get()}));
  EXPECT_EQ(a->superview(), parent.get());
}

TEST(ViewTree, RefusesCycles) {
  auto root = named("root"), middle = named("middle"), leaf = named("leaf");
  root->addSubview(middle);
  middle->addSubview(leaf);

  leaf->addSubview(root);      // an ancestor under its descendant
  middle->addSubview(middle);  // itself
  leaf->addSubview(nullptr);

  EXPECT_EQ(root->superview(), nullptr);
  EXPECT_EQ(middle->superview(), root.get());
  EXPECT_EQ(children(*middle), std::vector<View*>{leaf.get()});
  EXPECT_TRUE(leaf->subviews().empty());
  EXPECT_TRUE(leaf->isDescendant(*root));
  EXPECT_FALSE(root->isDescendant(*leaf));
}

TEST(ViewTree, RemovingTheOnlyOwnedViewReleasesIt) {
  auto parent = named("parent");
  parent->addSubview(std::make_shared<View>());
  std::weak_ptr<View> child = parent->subviews().front();

  child.lock()->removeFromSuperview();
  EXPECT_TRUE(parent->subviews().empty());
  EXPECT_TRUE(child.expired());
}

TEST(ViewTree, RemoveAllSubviewsDetachesEach) {
  auto parent = named("parent"), a = named("a"), b = named("b");
  parent->addSubview(a);
  parent->addSubview(b);
  parent->removeAllSubviews();

  EXPECT_TRUE(parent->subviews().empty());
  EXPECT_EQ(a->superview(), nullptr);
  EXPECT_EQ(b->superview(), nullptr);
  a->removeFromSuperview();  // no parent left to touch
  EXPECT_EQ(a->superview(), nullptr);
}

TEST(ViewTree, HiddenAndTouchesFollowAncestors) {
  auto root = named("root"), middle = named("middle"), leaf = named("leaf");
  root->addSubview(middle);
  middle->addSubview(leaf);
  EXPECT_FALSE(leaf->isHiddenInTree());
  EXPECT_TRUE(leaf->acceptsTouches());

  root->hidden = true;
  EXPECT_TRUE(leaf->isHiddenInTree());
  EXPECT_FALSE(leaf->acceptsTouches());
  root->hidden = false;

  middle->userInteractionEnabled = false;
  EXPECT_FALSE(leaf->isHiddenInTree());
  EXPECT_FALSE(leaf->acceptsTouches());
  EXPECT_TRUE(root->acceptsTouches());
  middle->userInteractionEnabled = true;

  middle->alpha = 0;  // transparent views take no touches, as on the platform
  EXPECT_FALSE(leaf->acceptsTouches());
  middle->alpha = 1;

  leaf->hidden = true;
  EXPECT_TRUE(leaf->isHiddenInTree());
  EXPECT_FALSE(middle->isHiddenInTree());
}

TEST(ViewTree, FindByNameSearchesDepthFirstFromItself) {
  auto root = named("root"), branch = named("branch"), deep = named("target"), later = named("target");
  root->addSubview(branch);
  branch->addSubview(deep);
  root->addSubview(later);

  EXPECT_EQ(root->findByName("root"), root);
  EXPECT_EQ(root->findByName("target"), deep);  // the first subtree is searched first
  EXPECT_EQ(root->findByName("missing"), nullptr);
  EXPECT_EQ(branch->findByName("root"), nullptr);  // not upwards
}

TEST(ViewTree, VisibleTextsSkipHiddenSubtrees) {
  auto root = named("root");
  auto title = std::make_shared<Label>();
  title->setText("Title");
  auto box = named("box");
  auto inner = std::make_shared<Label>();
  inner->setText("Inside");
  auto empty = std::make_shared<Label>();
  auto button = std::make_shared<Button>();
  button->setTitle("OK");
  root->addSubview(title);
  root->addSubview(box);
  box->addSubview(inner);
  root->addSubview(empty);
  root->addSubview(button);

  std::vector<std::string> texts;
  root->visibleTexts(texts);
  EXPECT_EQ(texts, (std::vector<std::string>{"Title", "Inside", "OK"}));

  box->hidden = true;
  texts.clear();
  root->visibleTexts(texts);
  EXPECT_EQ(texts, (std::vector<std::string>{"Title", "OK"}));
}

TEST(ViewTree, GestureTapRunsActionsInOrder) {
  auto view = named("card");
  std::vector<std::string> calls;
  view->addTapAction([&](View& sender) { calls.push_back("first:" + sender.name); });
  view->addTapAction([&](View&) { calls.push_back("second"); });
  EXPECT_TRUE(view->hasTapActions());
  view->tap();
  EXPECT_EQ(calls, (std::vector<std::string>{"first:card", "second"}));
}

AttributedString styled(std::string text) {
  return AttributedString{{TextRun{std::move(text), Font{"Lato-Bold", 16}, Color::black(), true}}};
}

TEST(LabelText, PlainAndStyledTextReplaceEachOther) {
  Label label;
  label.setAttributedText(AttributedString{{TextRun{"Pay "}, TextRun{"₹100", Font{"Lato-Bold", 16}}}});
  EXPECT_EQ(label.text(), "Pay ₹100");
  ASSERT_TRUE(label.attributedText());

  label.setText("Plain");
  EXPECT_EQ(label.text(), "Plain");
  EXPECT_FALSE(label.attributedText());

  label.setAttributedText(styled("Styled"));
  EXPECT_EQ(label.text(), "Styled");
  label.setAttributedText(std::nullopt);
  EXPECT_EQ(label.text(), "");
  EXPECT_FALSE(label.attributedText());
}

TEST(LabelText, DumpShowsStyledRunsOnlyWhileStyled) {
  Label label;
  label.setAttributedText(styled("Bold"));
  nlohmann::ordered_json out;
  label.describe(out);
  EXPECT_EQ(out["text"], "Bold");
  ASSERT_TRUE(out.contains("attributed"));
  EXPECT_EQ(out["attributed"][0]["font"], "Lato-Bold 16");
  EXPECT_EQ(out["attributed"][0]["color"], "#000000");
  EXPECT_EQ(out["attributed"][0]["underline"], true);

  label.setText("Plain");
  nlohmann::ordered_json plain;
  label.describe(plain);
  EXPECT_FALSE(plain.contains("attributed"));
}

TEST(ButtonTitle, PlainAndStyledTitleReplaceEachOther) {
  Button button;
  button.setAttributedTitle(styled("Retry"));
  EXPECT_EQ(button.title(), "Retry");
  button.setTitle("Close");
  EXPECT_EQ(button.title(), "Close");
  EXPECT_FALSE(button.attributedTitle());
  button.setAttributedTitle(styled("Again"));
  EXPECT_EQ(button.title(), "Again");
  EXPECT_TRUE(button.attributedTitle());
}

}  // namespace
}  // namespace kassio::platform
