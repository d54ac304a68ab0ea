#include "kassio/banners/AppLocation.h"
#include "kassio/banners/BannerDatum.h"
#include "kassio/banners/BannerList.h"
#include "kassio/banners/BannersResponse.h"
#include "sim/RecordTable.h"
#include "sim/Registrations.h"

namespace kassio::sim {

void registerBannerRecords(RecordTable& table) {
  table.add<BannersResponse>("BannersResponse");
  table.add<BannerList>("BannerList");
  table.add<BannerDatum>("BannerDatum");
  table.add<AppLocation>("AppLocation");
}

}  // namespace kassio::sim
