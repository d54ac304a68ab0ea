#pragma once

#include <memory>

#include "kassio/platform/ui/Outlet.h"
#include "kassio/platform/ui/OutletRegistry.h"
#include "kassio/platform/ui/View.h"

namespace kassio::platform {

// A view with named parts of its own (a labelled text field, a list cell). Its outlets are
// reached by a path ("txtMobileNumber.textFIeld") or, in a list, by row.
class CompoundView : public View {
 public:
  OutletRegistry* outlets() override { return &outlets_; }
  OutletRegistry& registry() { return outlets_; }

 protected:
  // Places an element in `parent` (this view when not given) and connects the outlet to it.
  template <class T, class E = T>
  E& add(Outlet<T>& outlet, View& parent, std::shared_ptr<E> element = std::make_shared<E>()) {
    return outlets_.place(outlet, parent, std::move(element));
  }
  template <class T, class E = T>
  E& add(Outlet<T>& outlet, std::shared_ptr<E> element = std::make_shared<E>()) {
    return outlets_.place(outlet, *this, std::move(element));
  }

 private:
  OutletRegistry outlets_;
};

}  // namespace kassio::platform
