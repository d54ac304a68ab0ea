#include "sandbox/BannerDesk.h"

#include "kassio/banners/BannersResponse.h"

namespace kassio::sandbox {

BankReply BannerDesk::bannerList() {
  std::vector<BannerList> sections = bank_.seed().banners;
  const double at = bank_.now();
  for (auto& section : sections) {
    if (!section.bannerData) continue;
    std::erase_if(*section.bannerData, [&](const BannerDatum& banner) {
      const auto start = banner.startDate ? bank_.dayTimeInstant(*banner.startDate) : std::nullopt;
      return start && *start > at;
    });
  }
  BannersResponse feed;
  feed.status = "Success";
  feed.respMsg = "Banners fetched";
  feed.errorCode = successCode;
  feed.bannerList = std::move(sections);
  return recordReply(feed);
}

}  // namespace kassio::sandbox
