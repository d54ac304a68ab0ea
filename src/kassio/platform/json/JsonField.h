#pragma once

#include <string_view>

namespace kassio::platform {

// One row of a record's field table: the JSON key and the member it fills. A record lists its
// rows in a static tuple named `jsonFields`, in the order encoding writes them:
//
//   struct CashPayResponse {
//     std::optional<std::string> status;
//     std::optional<std::string> txnId;
//     static constexpr auto jsonFields = std::make_tuple(
//         jsonField("status", &CashPayResponse::status),
//         jsonField("txnID", &CashPayResponse::txnId));
//   };
//
// The member's type picks how the value is read (see JsonCoding.h). An std::optional member may
// be missing or null; any other member is required.
template <class Record, class Member>
struct JsonField {
  using Value = Member;

  std::string_view key;
  Member Record::*member;
};

template <class Record, class Member>
constexpr JsonField<Record, Member> jsonField(std::string_view key, Member Record::*member) {
  return {key, member};
}

}  // namespace kassio::platform
