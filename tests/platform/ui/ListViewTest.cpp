#include "kassio/platform/ui/ListView.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "kassio/platform/ui/Cell.h"
#include "kassio/platform/ui/CompoundView.h"
#include "kassio/platform/ui/Label.h"

namespace kassio::platform {
namespace {

class TitleCell final : public Cell {
  KASSIO_CELL(TitleCell)
 public:
  KASSIO_OUTLET(Label, titleLbl);
  KASSIO_OUTLET(Label, badgeLbl);

 protected:
  void loadView() override {
    add(titleLbl);
    add(badgeLbl);
  }
};

// Sections of labelled cells; a row titled "" gets no cell.
class FakeSource : public ListDataSource, public ListDelegate {
 public:
  std::vector<std::vector<std::string>> sections;
  std::vector<IndexPath> asked, displayed, selected;

  int numberOfSections(ListView&) override { return static_cast<int>(sections.size()); }
  int numberOfItems(ListView&, int section) override { return static_cast<int>(sections[section].size()); }
  std::shared_ptr<View> cellForItem(ListView&, IndexPath path) override {
    asked.push_back(path);
    const auto& title = sections[path.section][path.item];
    if (title.empty()) return nullptr;
    auto cell = std::make_shared<TitleCell>();
    cell->loadIfNeeded();
    cell->titleLbl->setText(title);
    cell->badgeLbl->setText("new");
    cell->badgeLbl->hidden = path.item != 0;
    return cell;
  }
  void didSelectItem(ListView&, IndexPath path) override { selected.push_back(path); }
  void willDisplayCell(ListView&, View&, IndexPath path) override { displayed.push_back(path); }
};

class ListReload : public ::testing::Test {
 protected:
  void SetUp() override {
    source->sections = {{"Cash", "Card"}, {}, {"UPI", "", "SMS Pay"}};
    list->dataSource = source;
    list->delegate = source;
  }
  std::shared_ptr<FakeSource> source = std::make_shared<FakeSource>();
  std::shared_ptr<ListView> list = std::make_shared<ListView>();
};

TEST_F(ListReload, MaterialisesEveryRowOfEverySection) {
  list->reloadData();
  const std::vector<IndexPath> expected{{0, 0}, {0, 1}, {2, 0}, {2, 2}};
  EXPECT_EQ(list->indexPaths(), expected);
  EXPECT_EQ(list->rows().size(), 4u);
  EXPECT_EQ(source->displayed, expected);
  EXPECT_EQ(source->asked.size(), 5u);  // the row without a cell was asked too

  auto upi = list->cell({2, 0});
  ASSERT_NE(upi, nullptr);
  EXPECT_EQ(upi->outlets()->get<Label>("titleLbl")->text(), "UPI");
  EXPECT_EQ(list->cell({2, 1}), nullptr);
  EXPECT_EQ(list->indexPathForRow(3), (IndexPath{2, 2}));
  EXPECT_EQ(list->indexPathForRow(4), std::nullopt);
}

TEST_F(ListReload, ReloadReplacesRowsAndClearsSelection) {
  list->reloadData();
  ASSERT_TRUE(list->selectRow(1));
  source->sections = {{"Only"}};
  list->reloadData();
  EXPECT_EQ(list->rows().size(), 1u);
  EXPECT_EQ(list->selectedIndexPath(), std::nullopt);

  source.reset();  // the data source went away
  list->reloadData();
  EXPECT_TRUE(list->rows().empty());
}

TEST_F(ListReload, SelectionGoesToTheDelegate) {
  list->reloadData();
  EXPECT_TRUE(list->selectRow(2));
  EXPECT_EQ(source->selected, std::vector<IndexPath>{(IndexPath{2, 0})});
  EXPECT_EQ(list->selectedIndexPath(), (IndexPath{2, 0}));

  EXPECT_FALSE(list->selectRow(4));
  list->allowsSelection = false;
  EXPECT_FALSE(list->selectRow(0));
  EXPECT_EQ(source->selected.size(), 1u);
}

TEST_F(ListReload, DumpShowsRowsWithTheirElementsAndVisibleTexts) {
  list->reloadData();
  nlohmann::ordered_json out;
  list->describe(out);
  EXPECT_EQ(out["kind"], "list");
  ASSERT_EQ(out["rows"].size(), 4u);
  EXPECT_EQ(out["rows"][0]["texts"], (nlohmann::ordered_json{"Cash", "new"}));
  EXPECT_EQ(out["rows"][1]["texts"], (nlohmann::ordered_json{"Card"}));  // its badge is hidden
  EXPECT_EQ(out["rows"][1]["elements"]["titleLbl"]["text"], "Card");
  EXPECT_EQ(out["rows"][1]["elements"]["badgeLbl"]["hidden"], true);

  std::vector<std::string> texts;
  list->visibleTexts(texts);
  EXPECT_EQ(texts, (std::vector<std::string>{"Cash", "new", "Card", "UPI", "new", "SMS Pay"}));
  list->hidden = true;
  texts.clear();
  list->visibleTexts(texts);
  EXPECT_TRUE(texts.empty());
}

TEST_F(ListReload, PagedListTellsTheDelegateWhereItRests) {
  struct Pager : ListDelegate {
    std::vector<int> pages;
    void didEndDecelerating(ListView& list) override { pages.push_back(list.currentPage()); }
  };
  auto pager = std::make_shared<Pager>();
  list->delegate = pager;
  list->frame.size = {300, 120};
  list->scrollToPage(2);
  EXPECT_EQ(pager->pages, std::vector<int>{2});
  EXPECT_EQ(list->contentOffset, (Point{600, 0}));
}

}  // namespace
}  // namespace kassio::platform
