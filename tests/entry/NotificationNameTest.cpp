#include "kassio/entry/NotificationName.h"

#include <set>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace kassio {
namespace {

namespace name = NotificationName;

TEST(NotificationName, ConstantsCarryTheStringsThatTravel) {
  const std::pair<std::string_view, std::string_view> table[] = {
      {name::showLocationFilterOnObjectPassed, "showLocationFilterOnObjectPassed"},
      {name::showTidLocationFilterOnObjectPassed, "showTidLocationFilterOnObjectPassed"},
      {name::getLocationFilterDataString, "getLocationFilterDataString"},
      {name::getMainFilterDataStringResponse, "getMainFilterDataStringResponse"},
      {name::locationFilterDidChangeSelection, "locationFilterDidChangeSelection"},
      {name::removeTimersFromDashboard, "removeTimersFromDashboard"},
      {name::settlementLocationFilterDidChangeSelection, "settlementLocationFilterDidChangeSelection"},
      {name::bizViewFilterDidChangeSelection, "BizViewFilterDidChangeSelection"},
      {name::dateRangeDidChangeSelection, "dateRangeDidChangeSelection"},
      {name::timeRangeDidChangeSelection, "timeRangeDidChangeSelection"},
      {name::showCalenderFilterOnObjectPassed, "showCalenderFilterOnObjectPassed"},
      {name::showCalenderTimeFilterOnObjectPassed, "showCalenderTimeFilterOnObjectPassed"},
      {name::showOARCalenderFilterOnObjectPassed, "showOARCalenderFilterOnObjectPassed"},
      {name::getCalendarUserFacingString, "getCalendarUserFacingString"},
      {name::getCalendarUserFacingStringResponse, "getCalendarUserFacingStringResponse"},
      {name::getFilterDataStringResponse, "getFilterDataStringResponse"},
      {name::getNotificasionTrxntResponse, "getNotificasionTrxntResponse"},
      {name::getFilterDataString, "getFilterDataString"},
      {name::showBizViewFilterNotificationOnObjectPassed, "showBizViewFilterNotification"},
      {name::reloadTabBarForRoleChange, "reloadTabBarForRoleChange"},
      {name::showNimbleportFilterNotification, "showNimbleportFilterNotification"},
      {name::didSelectNimbleportTID, "didSelectNimbleportTID"},
      {name::getTidFilterDict, "getTidFilterDict"},
      {name::getTidFilterDictResponse, "getTidFilterDictResponse"},
      {name::getCustomerRecognitionBool, "getCustomerRecognitionBool"},
      {name::getCustomerRecognitionBoolResponse, "getCustomerRecognitionBoolResponse"},
      {name::askOrbiBool, "askOrbiBool"},
      {name::askOrbiBoolResponse, "askOrbiBoolResponse"},
      {name::qrSuccessResponse, "qrSuccessResponse"},
      {name::clearMacTids, "clearMacTids"},
      {name::clearOarTids, "clearOarTids"},
      {name::refreshTab, "refreshTab"},
      {name::redirectToRegister, "redirectToRegister"},
      {name::selectInstaTid, "selectInstaTid"},
      {name::selectServiceFilterOulets, "selectServiceFilterOulets"},
      {name::selectPaymentFilterOulets, "selectPaymentFilterOulets"},
      {name::isHistoryAvailable, "isHistoryAvailable"},
      {name::dateRangeDidChangeFromButtonsPrevious, "dateRangeDidChangeFromButtonsPrevious"},
      {name::dateRangeDidChangeFromButtonsNext, "dateRangeDidChangeFromButtonsNext"},
      {name::disableNextButton, "disableNextButton"},
      {name::disablePreviousButton, "disablePreviousButton"},
      {name::getBiometricBoolResponse, "getBiometricBoolResponse"},
  };
  std::set<std::string_view> distinct;
  for (const auto& [constant, text] : table) {
    EXPECT_EQ(constant, text);
    distinct.insert(constant);
  }
  EXPECT_EQ(distinct.size(), std::size(table));
  // The names serve directly where the notification centre takes a name.
  EXPECT_EQ(std::string(name::selectPaymentFilterOulets), "selectPaymentFilterOulets");
}

}  // namespace
}  // namespace kassio
