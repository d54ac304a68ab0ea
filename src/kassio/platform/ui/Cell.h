#pragma once

#include <memory>
#include <string>

#include "kassio/platform/ui/CompoundView.h"
#include "kassio/platform/ui/Outlet.h"

namespace kassio::platform {

// A compound element declared like a screen (a list cell, a labelled field): typed outlets
// (KASSIO_OUTLET) placed in loadView(), the structure only. What a list row shows is written by
// the list's adapter (ListAdapter::fill).
class Cell : public CompoundView {
 public:
  // Builds the structure once; the adapter calls it before filling a new cell, a screen after
  // creating a compound element.
  void loadIfNeeded() {
    if (loaded_) return;
    loaded_ = true;
    loadView();
  }

 protected:
  virtual void loadView() = 0;

 private:
  bool loaded_ = false;
};

}  // namespace kassio::platform

// Declares a list cell, as KASSIO_SCREEN declares a screen.
#define KASSIO_CELL(Class) \
 public:                   \
  using Self = Class;      \
                           \
 private:
