#include "kassio/platform/ui/OutletRegistry.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "kassio/platform/ui/Button.h"
#include "kassio/platform/ui/Cell.h"
#include "kassio/platform/ui/CompoundView.h"
#include "kassio/platform/ui/Label.h"
#include "kassio/platform/ui/Screen.h"
#include "kassio/platform/ui/TextField.h"

namespace kassio::platform {
namespace {

TEST(OutletRegistry, KeepsConnectionOrderAndReplacesInPlace) {
  OutletRegistry registry;
  auto title = std::make_shared<Label>(), other = std::make_shared<Label>();
  auto amount = std::make_shared<TextField>();
  auto height = std::make_shared<LayoutConstraint>(44);
  registry.connect("titleLabel", title);
  registry.connect("heightConstraint", height);
  registry.connect("amountTxt", amount);
  registry.connect("titleLabel", other);  // a later connection under the same name wins

  EXPECT_EQ(registry.names(), (std::vector<std::string>{"titleLabel", "heightConstraint", "amountTxt"}));
  EXPECT_EQ(registry.view("titleLabel"), other);
  EXPECT_EQ(other->name, "titleLabel");  // connecting names the view
  EXPECT_EQ(registry.constraint("heightConstraint"), height);
  EXPECT_EQ(registry.view("heightConstraint"), nullptr);
  EXPECT_EQ(registry.constraint("titleLabel"), nullptr);
  EXPECT_EQ(registry.get<TextField>("amountTxt"), amount);
  EXPECT_EQ(registry.get<Button>("amountTxt"), nullptr);  // wrong kind
  EXPECT_EQ(registry.view("missing"), nullptr);
}

TEST(OutletRegistry, ExpiredElementsReadAsNull) {
  OutletRegistry registry;
  auto label = std::make_shared<Label>();
  auto constraint = std::make_shared<LayoutConstraint>(8);
  registry.connect("gone", label);
  registry.connect("spacing", constraint);
  label.reset();
  constraint.reset();

  EXPECT_EQ(registry.view("gone"), nullptr);
  EXPECT_EQ(registry.constraint("spacing"), nullptr);
  auto out = registry.describe();
  EXPECT_TRUE(out["gone"].is_null());
  EXPECT_TRUE(out["spacing"].is_null());
  EXPECT_EQ(registry.names().size(), 2u);
}

// A labelled text field: a compound element with parts of its own.
class LabelledField final : public Cell {
  KASSIO_CELL(LabelledField)
 public:
  KASSIO_OUTLET(Label, titleLbl);
  KASSIO_OUTLET(TextField, textFIeld);

 protected:
  void loadView() override {
    add(titleLbl);
    auto box = std::make_shared<View>();
    addSubview(box);
    add(textFIeld, *box);
  }
};

std::shared_ptr<LabelledField> labelledField(const std::string& caption) {
  auto field = std::make_shared<LabelledField>();
  field->loadIfNeeded();
  field->titleLbl->setText(caption);
  return field;
}

TEST(OutletRegistry, DescribeNestsCompoundOutletsAndConstraints) {
  OutletRegistry registry;
  auto field = labelledField("Mobile Number*");
  auto constraint = std::make_shared<LayoutConstraint>(12);
  registry.connect("txtMobileNumber", field);
  registry.connect("topSpace", constraint);

  auto out = registry.describe();
  EXPECT_EQ(out["txtMobileNumber"]["kind"], "view");
  EXPECT_EQ(out["txtMobileNumber"]["elements"]["titleLbl"]["text"], "Mobile Number*");
  EXPECT_EQ(out["txtMobileNumber"]["elements"]["textFIeld"]["kind"], "textField");
  EXPECT_EQ(out["topSpace"], (nlohmann::ordered_json{{"kind", "constraint"}, {"constant", 12.0}, {"active", true}}));
  EXPECT_EQ(field->findByName("textFIeld"), field->registry().view("textFIeld"));  // placed in the given parent
}

class FormScreen final : public Screen {
  KASSIO_SCREEN(FormScreen)
 public:
  KASSIO_OUTLET(View, card);
  KASSIO_OUTLET(LabelledField, txtMobile);
  KASSIO_OUTLET(Button, submitBtn);

 protected:
  void loadView() override {
    Screen::loadView();
    add(txtMobile, add(card), labelledField("Mobile"));
    add(submitBtn);
  }
};

TEST(ScreenElements, PathsReachThroughCompoundElements) {
  auto screen = std::make_shared<FormScreen>();
  screen->loadViewIfNeeded();

  auto field = screen->element("txtMobile.textFIeld");
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->kind(), "textField");
  EXPECT_TRUE(field->isDescendant(*screen->view()));
  EXPECT_EQ(screen->element("txtMobile"), screen->outlet<View>("txtMobile"));
  EXPECT_EQ(screen->element("txtMobile.titleLbl")->name, "titleLbl");
  EXPECT_EQ(screen->element("txtMobile.missing"), nullptr);
  EXPECT_EQ(screen->element("submitBtn.textFIeld"), nullptr);  // a plain element has no parts
  EXPECT_EQ(screen->element("textFIeld"), nullptr);            // parts are not the screen's own outlets
  EXPECT_EQ(screen->element(""), nullptr);
  EXPECT_EQ(screen->outlets().names(), (std::vector<std::string>{"card", "txtMobile", "submitBtn"}));
}

}  // namespace
}  // namespace kassio::platform
