#include "kassio/platform/ui/ListView.h"

#include "kassio/platform/ui/OutletRegistry.h"

namespace kassio::platform {

void ListView::reloadData() {
  rows_.clear();
  indexPaths_.clear();
  selected_.reset();
  auto source = dataSource.lock();
  if (!source) return;
  auto keep = shared_from_this();
  int sections = source->numberOfSections(*this);
  for (int section = 0; section < sections; ++section) {
    int items = source->numberOfItems(*this, section);
    for (int item = 0; item < items; ++item) {
      IndexPath path{section, item};
      auto cell = source->cellForItem(*this, path);
      if (!cell) continue;
      rows_.push_back(cell);
      indexPaths_.push_back(path);
      if (auto listener = delegate.lock()) listener->willDisplayCell(*this, *cell, path);
    }
  }
}

std::shared_ptr<View> ListView::cell(IndexPath indexPath) const {
  for (std::size_t row = 0; row < indexPaths_.size(); ++row)
    if (indexPaths_[row] == indexPath) return rows_[row];
  return nullptr;
}

std::optional<IndexPath> ListView::indexPathForRow(std::size_t row) const {
  if (row >= indexPaths_.size()) return std::nullopt;
  return indexPaths_[row];
}

bool ListView::selectRow(std::size_t row) {
  auto path = indexPathForRow(row);
  if (!path || !allowsSelection) return false;
  selected_ = path;
  auto keep = shared_from_this();
  if (auto listener = delegate.lock()) listener->didSelectItem(*this, *path);
  return true;
}

void ListView::scrollToPage(int page) {
  currentPage_ = page;
  contentOffset = {frame.size.width * page, 0};
  auto keep = shared_from_this();
  if (auto listener = delegate.lock()) listener->didEndDecelerating(*this);
}

void ListView::describe(nlohmann::ordered_json& out) const {
  View::describe(out);
  auto rows = nlohmann::ordered_json::array();
  for (const auto& cell : rows_) {
    nlohmann::ordered_json row = nlohmann::ordered_json::object();
    row["elements"] = cell->outlets() ? cell->outlets()->describe() : nlohmann::ordered_json::object();
    std::vector<std::string> texts;
    cell->visibleTexts(texts);
    row["texts"] = texts;
    rows.push_back(row);
  }
  out["rows"] = rows;
}

void ListView::ownTexts(std::vector<std::string>& out) const {
  for (const auto& cell : rows_) cell->visibleTexts(out);
}

}  // namespace kassio::platform
