#pragma once

#include <memory>
#include <vector>

#include "kassio/platform/ui/ScrollView.h"

namespace kassio::platform {

class ListView;

struct IndexPath {
  int section = 0;
  int item = 0;
  bool operator==(const IndexPath&) const = default;
};

class ListDataSource {
 public:
  virtual ~ListDataSource() = default;
  virtual int numberOfSections(ListView&) { return 1; }
  virtual int numberOfItems(ListView&, int section) = 0;
  virtual std::shared_ptr<View> cellForItem(ListView&, IndexPath indexPath) = 0;
};

class ListDelegate {
 public:
  virtual ~ListDelegate() = default;
  virtual void didSelectItem(ListView&, IndexPath) {}
  virtual void willDisplayCell(ListView&, View&, IndexPath) {}
  // A paged list came to rest on `page` after a swipe.
  virtual void didEndDecelerating(ListView&) {}
};

// A list of cells from a data source (a table or a collection). Reloading asks the data source
// for every row, so a dump shows them.
class ListView : public ScrollView {
 public:
  std::string kind() const override { return "list"; }

  std::weak_ptr<ListDataSource> dataSource;
  std::weak_ptr<ListDelegate> delegate;
  bool allowsSelection = true;

  void reloadData();
  // Rows in order, across sections.
  const std::vector<std::shared_ptr<View>>& rows() const { return rows_; }
  const std::vector<IndexPath>& indexPaths() const { return indexPaths_; }
  std::shared_ptr<View> cell(IndexPath indexPath) const;
  std::optional<IndexPath> indexPathForRow(std::size_t row) const;

  // A person's tap on a row: the delegate's selection.
  bool selectRow(std::size_t row);
  std::optional<IndexPath> selectedIndexPath() const { return selected_; }

  // Paged lists: the page the list rests on.
  int currentPage() const { return currentPage_; }
  void scrollToPage(int page);  // ends the deceleration, telling the delegate

  void describe(nlohmann::ordered_json& out) const override;
  // Rows' texts count as the list's own: rows are not subviews.
  void ownTexts(std::vector<std::string>& out) const override;

 private:
  std::vector<std::shared_ptr<View>> rows_;
  std::vector<IndexPath> indexPaths_;
  std::optional<IndexPath> selected_;
  int currentPage_ = 0;
};

class TableView : public ListView {};
class CollectionView : public ListView {};

}  // namespace kassio::platform
