#include "kassio/platform/ui/OutletRegistry.h"

namespace kassio::platform {

OutletRegistry::Entry* OutletRegistry::find(const std::string& outletName) {
  for (auto& entry : entries_)
    if (entry.name == outletName) return &entry;
  return nullptr;
}

const OutletRegistry::Entry* OutletRegistry::find(const std::string& outletName) const {
  return const_cast<OutletRegistry*>(this)->find(outletName);
}

void OutletRegistry::connect(const std::string& outletName, const std::shared_ptr<View>& view) {
  if (view) view->name = outletName;
  if (auto* entry = find(outletName)) {
    *entry = {outletName, view, {}};
  } else {
    entries_.push_back({outletName, view, {}});
  }
}

void OutletRegistry::connect(const std::string& outletName,
                             const std::shared_ptr<LayoutConstraint>& constraint) {
  if (auto* entry = find(outletName)) {
    *entry = {outletName, {}, constraint};
  } else {
    entries_.push_back({outletName, {}, constraint});
  }
}

std::shared_ptr<View> OutletRegistry::view(const std::string& outletName) const {
  const auto* entry = find(outletName);
  return entry ? entry->view.lock() : nullptr;
}

std::shared_ptr<LayoutConstraint> OutletRegistry::constraint(const std::string& outletName) const {
  const auto* entry = find(outletName);
  return entry ? entry->constraint.lock() : nullptr;
}

std::vector<std::string> OutletRegistry::names() const {
  std::vector<std::string> result;
  for (const auto& entry : entries_) result.push_back(entry.name);
  return result;
}

nlohmann::ordered_json describeElement(View& view) {
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  view.describe(out);
  if (auto* own = view.outlets()) out["elements"] = own->describe();
  return out;
}

nlohmann::ordered_json OutletRegistry::describe() const {
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  for (const auto& entry : entries_) {
    if (auto view = entry.view.lock()) {
      out[entry.name] = describeElement(*view);
    } else if (auto constraint = entry.constraint.lock()) {
      nlohmann::ordered_json item = nlohmann::ordered_json::object();
      constraint->describe(item);
      out[entry.name] = item;
    } else {
      out[entry.name] = nullptr;  // the element is gone
    }
  }
  return out;
}

}  // namespace kassio::platform
