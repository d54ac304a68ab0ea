#pragma once

#include <memory>
#include <vector>

#include "kassio/platform/ui/Cell.h"
#include "kassio/platform/ui/ListView.h"

namespace kassio::platform {

// The data source and delegate of a one-section list whose rows are `Row` values shown in
// `CellT` cells. A screen's list presenter is a small subclass that fills a cell from its row
// and answers a selection; the screen owns it and attaches it to the list:
//
//   class TransactionsManager final : public ListAdapter<TransactionParam, TransactionCell> {
//     void fill(TransactionCell& cell, const TransactionParam& row, IndexPath) override {...}
//     void didSelect(const TransactionParam& row, IndexPath) override {...}
//   };
//   manager->attach(*collectionView);  manager->setRows(list, *collectionView);
template <class Row, class CellT>
class ListAdapter : public ListDataSource, public ListDelegate, public std::enable_shared_from_this<ListAdapter<Row, CellT>> {
 public:
  const std::vector<Row>& rows() const { return rows_; }
  // Replaces the rows and reloads the list.
  void setRows(std::vector<Row> rows, ListView& list) {
    rows_ = std::move(rows);
    list.reloadData();
  }
  // Becomes the list's data source and delegate (held weakly by the list).
  void attach(ListView& list) {
    list.dataSource = this->weak_from_this();
    list.delegate = this->weak_from_this();
  }

  int numberOfItems(ListView&, int section) override { return section == 0 ? static_cast<int>(rows_.size()) : 0; }

  std::shared_ptr<View> cellForItem(ListView&, IndexPath indexPath) override {
    auto cell = std::make_shared<CellT>();
    cell->loadIfNeeded();
    if (auto* row = rowAt(indexPath)) fill(*cell, *row, indexPath);
    return cell;
  }

  void didSelectItem(ListView&, IndexPath indexPath) override {
    if (auto* row = rowAt(indexPath)) didSelect(*row, indexPath);
  }

 protected:
  virtual void fill(CellT& cell, const Row& row, IndexPath indexPath) = 0;
  virtual void didSelect(const Row& row, IndexPath indexPath) { (void)row, (void)indexPath; }

  const Row* rowAt(IndexPath indexPath) const {
    if (indexPath.section != 0 || indexPath.item < 0 || static_cast<std::size_t>(indexPath.item) >= rows_.size())
      return nullptr;
    return &rows_[static_cast<std::size_t>(indexPath.item)];
  }

 private:
  std::vector<Row> rows_;
};

}  // namespace kassio::platform
