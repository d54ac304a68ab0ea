#include "kassio/platform/ui/TextField.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/UiTestSupport.h"

namespace kassio::platform {
namespace {

// Records what the field asks and tells; refuses edits while `accept` is false.
class RecordingDelegate : public TextFieldDelegate {
 public:
  explicit RecordingDelegate(std::vector<std::string>& log) : log_(log) {}

  bool accept = true;
  bool allowBegin = true;
  bool allowReturn = false;
  std::vector<Utf16Range> ranges;
  std::vector<std::string> replacements;
  std::function<void(TextField&)> onShouldChange;

  bool textFieldShouldBeginEditing(TextField& field) override {
    log_.push_back(field.name + ".shouldBegin");
    return allowBegin;
  }
  void textFieldDidBeginEditing(TextField& field) override { log_.push_back(field.name + ".didBegin"); }
  bool shouldChangeCharacters(TextField& field, Utf16Range range, const std::string& replacement) override {
    ranges.push_back(range);
    replacements.push_back(replacement);
    if (onShouldChange) onShouldChange(field);
    return accept;
  }
  void textFieldDidEndEditing(TextField& field, DidEndEditingReason) override {
    log_.push_back(field.name + ".didEnd");
  }
  bool textFieldShouldReturn(TextField& field) override {
    log_.push_back(field.name + ".shouldReturn");
    return allowReturn;
  }

 private:
  std::vector<std::string>& log_;
};

// Fields on a root screen shown in the window: a field finds its window through its tree.
class TextFieldEditing : public UiPlatformTest {
 protected:
  void SetUp() override {
    UiPlatformTest::SetUp();
    window->setRootScreen(root);
  }

  std::shared_ptr<TextField> makeField(const std::string& name) {
    auto field = std::make_shared<TextField>();
    root->view()->addSubview(field);
    field->name = name;
    field->delegate = delegate;
    field->addAction(ControlEvent::editingChanged, [this](Control& sender) { log.push_back(sender.name + ".changed"); });
    field->addAction(ControlEvent::editingDidEnd, [this](Control& sender) { log.push_back(sender.name + ".endEvent"); });
    return field;
  }

  std::shared_ptr<Screen> root = std::make_shared<Screen>();
  std::vector<std::string> log;
  std::shared_ptr<RecordingDelegate> delegate = std::make_shared<RecordingDelegate>(log);
};

TEST_F(TextFieldEditing, DelegateSeesUtf16Ranges) {
  auto field = makeField("amount");
  field->text = "a😀b";  // the emoji is two UTF-16 units

  EXPECT_TRUE(field->offerAppend("c"));
  EXPECT_TRUE(field->offerEdit({1, 2}, ""));  // deleting the emoji
  EXPECT_TRUE(field->offerEdit({0, 0}, "é"));

  EXPECT_EQ(delegate->ranges, (std::vector<Utf16Range>{{4, 0}, {1, 2}, {0, 0}}));
  EXPECT_EQ(delegate->replacements, (std::vector<std::string>{"c", "", "é"}));
  EXPECT_EQ(field->text, "éabc");
  EXPECT_EQ(log, (std::vector<std::string>{"amount.changed", "amount.changed", "amount.changed"}));
}

TEST_F(TextFieldEditing, RefusedEditLeavesTextAndSendsNoChange) {
  auto field = makeField("amount");
  field->text = "12";
  delegate->accept = false;
  EXPECT_FALSE(field->offerAppend("3"));
  EXPECT_EQ(field->text, "12");
  EXPECT_EQ(delegate->ranges.size(), 1u);

  delegate->accept = true;
  EXPECT_TRUE(field->offerAppend("3"));
  EXPECT_EQ(field->text, "123");
  EXPECT_EQ(log, std::vector<std::string>{"amount.changed"});
}

TEST_F(TextFieldEditing, DelegateThatFormatsTheTextItselfKeepsItsText) {
  auto field = makeField("amount");
  field->text = "1000";
  delegate->accept = false;
  delegate->onShouldChange = [](TextField& f) { f.text = "10,000"; };
  EXPECT_FALSE(field->offerAppend("0"));
  EXPECT_EQ(field->text, "10,000");
  EXPECT_TRUE(log.empty());  // text set by code sends no editingChanged
}

TEST_F(TextFieldEditing, OutOfRangeEditIsRefusedWithoutAsking) {
  auto field = makeField("amount");
  field->text = "a😀b";  // four UTF-16 units
  const Utf16Range invalid[] = {{5, 0}, {4, 1}, {0, 5}, {2, 0}, {1, 1}, {2, 2}};  // past the end or inside the pair
  for (const auto& range : invalid) {
    SCOPED_TRACE(std::to_string(range.location) + "+" + std::to_string(range.length));
    EXPECT_FALSE(field->offerEdit(range, "x"));
  }
  EXPECT_TRUE(delegate->ranges.empty());
  EXPECT_EQ(field->text, "a😀b");
  EXPECT_TRUE(log.empty());
}

TEST_F(TextFieldEditing, BecomingFirstResponderEndsThePreviousEditing) {
  auto first = makeField("first");
  auto second = makeField("second");

  EXPECT_TRUE(first->becomeFirstResponder());
  EXPECT_TRUE(first->isFirstResponder());
  EXPECT_TRUE(first->becomeFirstResponder());  // already: not asked again
  EXPECT_EQ(drain(log), (std::vector<std::string>{"first.shouldBegin", "first.didBegin"}));

  second->tap();
  EXPECT_FALSE(first->isFirstResponder());
  EXPECT_TRUE(second->isFirstResponder());
  EXPECT_EQ(window->firstResponder(), second);
  EXPECT_EQ(drain(log), (std::vector<std::string>{"second.shouldBegin", "first.didEnd", "first.endEvent",
                                                  "second.didBegin"}));

  window->endEditing();
  EXPECT_EQ(window->firstResponder(), nullptr);
  EXPECT_EQ(drain(log), (std::vector<std::string>{"second.didEnd", "second.endEvent"}));
  EXPECT_TRUE(second->resignFirstResponder());  // nothing left to end
  EXPECT_TRUE(log.empty());
}

TEST_F(TextFieldEditing, RefusedBeginKeepsThePreviousField) {
  auto first = makeField("first");
  auto second = makeField("second");
  ASSERT_TRUE(first->becomeFirstResponder());
  drain(log);

  delegate->allowBegin = false;
  EXPECT_FALSE(second->becomeFirstResponder());
  EXPECT_TRUE(first->isFirstResponder());
  EXPECT_EQ(log, std::vector<std::string>{"second.shouldBegin"});
}

TEST_F(TextFieldEditing, DisabledFieldOrFieldOutsideAWindowCannotBeginEditing) {
  auto field = makeField("amount");
  field->enabled = false;
  field->tap();
  EXPECT_FALSE(field->becomeFirstResponder());

  field->enabled = true;
  field->removeFromSuperview();
  EXPECT_FALSE(field->becomeFirstResponder());
  EXPECT_FALSE(field->isFirstResponder());
  EXPECT_TRUE(log.empty());
}

TEST_F(TextFieldEditing, FieldFindsItsWindowThroughPresentedAndChildScreens) {
  auto presented = std::make_shared<Screen>();
  ASSERT_TRUE(root->present(presented, false));
  auto child = std::make_shared<Screen>();
  auto container = std::make_shared<View>();
  presented->view()->addSubview(container);
  presented->addChild(child, container);
  auto field = makeField("inner");
  child->view()->addSubview(field);  // moves it out of the root screen's tree
  EXPECT_EQ(field->window(), window);
  ASSERT_TRUE(field->becomeFirstResponder());
  drain(log);

  // Leaving the tree while editing: the editing still ends in the window it began in.
  field->removeFromSuperview();
  EXPECT_EQ(field->window(), nullptr);
  window->endEditing();
  EXPECT_FALSE(field->isFirstResponder());
  EXPECT_EQ(window->firstResponder(), nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"inner.didEnd", "inner.endEvent"}));
}

TEST_F(TextFieldEditing, ReplacingTheRootScreenEndsEditing) {
  auto field = makeField("amount");
  ASSERT_TRUE(field->becomeFirstResponder());
  drain(log);

  window->setRootScreen(std::make_shared<Screen>());
  EXPECT_FALSE(field->isFirstResponder());
  EXPECT_EQ(log, (std::vector<std::string>{"amount.didEnd", "amount.endEvent"}));
}

TEST_F(TextFieldEditing, ReturnKeyAsksTheDelegate) {
  auto field = makeField("amount");
  EXPECT_FALSE(field->pressReturn());
  delegate->allowReturn = true;
  EXPECT_TRUE(field->pressReturn());
  field->delegate.reset();
  EXPECT_TRUE(field->pressReturn());
}

TEST_F(TextFieldEditing, SecureEntryMasksItsText) {
  auto field = makeField("pin");
  field->placeholder = "PIN";
  std::vector<std::string> texts;
  field->ownTexts(texts);
  field->text = "1234";
  field->isSecureTextEntry = true;
  field->ownTexts(texts);
  field->text = "१२३४";  // one mask per character, not per byte
  field->ownTexts(texts);
  EXPECT_EQ(texts, (std::vector<std::string>{"PIN", "****", "****"}));
}

}  // namespace
}  // namespace kassio::platform
