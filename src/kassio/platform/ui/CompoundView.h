#pragma once

#include "kassio/platform/ui/OutletRegistry.h"
#include "kassio/platform/ui/View.h"

namespace kassio::platform {

// A view with named parts of its own (a labelled text field, a list cell). Its outlets are
// reached by a path ("txtMobileNumber.textFIeld") or, in a list, by row.
class CompoundView : public View {
 public:
  OutletRegistry* outlets() override { return &outlets_; }
  OutletRegistry& registry() { return outlets_; }

  // Adds the view as a subview of `parent` (this view when null) and connects it as an outlet.
  template <class T>
  std::shared_ptr<T> addOutlet(const std::string& outletName, std::shared_ptr<T> view, View* parent = nullptr) {
    (parent ? parent : this)->addSubview(view);
    outlets_.connect(outletName, view);
    return view;
  }

 private:
  OutletRegistry outlets_;
};

}  // namespace kassio::platform
