#pragma once

#include "sandbox/BankContext.h"
#include "sandbox/BankReply.h"

namespace kassio::sandbox {

// The banner feed: the seed's sections as they stand at the bank's now.
class BannerDesk {
 public:
  explicit BannerDesk(BankContext& bank) : bank_(bank) {}

  // Banners whose start lies ahead are not in the feed yet.
  BankReply bannerList();

 private:
  BankContext& bank_;
};

}  // namespace kassio::sandbox
