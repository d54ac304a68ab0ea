#pragma once

#include <string>
#include <tuple>

#include "kassio/entry/MainMID.h"
#include "kassio/entry/MainTID.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// A terminal the merchant ticked in the outlet filter, with its outlet's address and its MID.
struct SelectedTerminal {
  MainTID tid;
  std::string address;
  MainMID mid;

  bool operator==(const SelectedTerminal&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("tid", &SelectedTerminal::tid),
                                                     platform::jsonField("address", &SelectedTerminal::address),
                                                     platform::jsonField("mid", &SelectedTerminal::mid));
};

}  // namespace kassio
