#pragma once

// Names of the notifications that the module, the host and the host's other modules post on the
// process-wide notification centre. Each constant is the string that travels; two differ from
// their constant's name (bizViewFilterDidChangeSelection, showBizViewFilterNotificationOnObjectPassed).
namespace kassio::NotificationName {

inline constexpr char showLocationFilterOnObjectPassed[] = "showLocationFilterOnObjectPassed";
inline constexpr char showTidLocationFilterOnObjectPassed[] = "showTidLocationFilterOnObjectPassed";
inline constexpr char getLocationFilterDataString[] = "getLocationFilterDataString";
inline constexpr char getMainFilterDataStringResponse[] = "getMainFilterDataStringResponse";
inline constexpr char locationFilterDidChangeSelection[] = "locationFilterDidChangeSelection";
inline constexpr char removeTimersFromDashboard[] = "removeTimersFromDashboard";
inline constexpr char settlementLocationFilterDidChangeSelection[] = "settlementLocationFilterDidChangeSelection";
inline constexpr char bizViewFilterDidChangeSelection[] = "BizViewFilterDidChangeSelection";
inline constexpr char dateRangeDidChangeSelection[] = "dateRangeDidChangeSelection";
inline constexpr char timeRangeDidChangeSelection[] = "timeRangeDidChangeSelection";
inline constexpr char showCalenderFilterOnObjectPassed[] = "showCalenderFilterOnObjectPassed";
inline constexpr char showCalenderTimeFilterOnObjectPassed[] = "showCalenderTimeFilterOnObjectPassed";
inline constexpr char showOARCalenderFilterOnObjectPassed[] = "showOARCalenderFilterOnObjectPassed";
inline constexpr char getCalendarUserFacingString[] = "getCalendarUserFacingString";
inline constexpr char getCalendarUserFacingStringResponse[] = "getCalendarUserFacingStringResponse";
inline constexpr char getFilterDataStringResponse[] = "getFilterDataStringResponse";
inline constexpr char getNotificasionTrxntResponse[] = "getNotificasionTrxntResponse";
inline constexpr char getFilterDataString[] = "getFilterDataString";
inline constexpr char showBizViewFilterNotificationOnObjectPassed[] = "showBizViewFilterNotification";
inline constexpr char reloadTabBarForRoleChange[] = "reloadTabBarForRoleChange";
inline constexpr char showNimbleportFilterNotification[] = "showNimbleportFilterNotification";
inline constexpr char didSelectNimbleportTID[] = "didSelectNimbleportTID";
inline constexpr char getTidFilterDict[] = "getTidFilterDict";
inline constexpr char getTidFilterDictResponse[] = "getTidFilterDictResponse";
inline constexpr char getCustomerRecognitionBool[] = "getCustomerRecognitionBool";
inline constexpr char getCustomerRecognitionBoolResponse[] = "getCustomerRecognitionBoolResponse";
inline constexpr char askOrbiBool[] = "askOrbiBool";
inline constexpr char askOrbiBoolResponse[] = "askOrbiBoolResponse";
inline constexpr char qrSuccessResponse[] = "qrSuccessResponse";
inline constexpr char clearMacTids[] = "clearMacTids";
inline constexpr char clearOarTids[] = "clearOarTids";
inline constexpr char refreshTab[] = "refreshTab";
inline constexpr char redirectToRegister[] = "redirectToRegister";
inline constexpr char selectInstaTid[] = "selectInstaTid";
inline constexpr char selectServiceFilterOulets[] = "selectServiceFilterOulets";
inline constexpr char selectPaymentFilterOulets[] = "selectPaymentFilterOulets";
inline constexpr char isHistoryAvailable[] = "isHistoryAvailable";
inline constexpr char dateRangeDidChangeFromButtonsPrevious[] = "dateRangeDidChangeFromButtonsPrevious";
inline constexpr char dateRangeDidChangeFromButtonsNext[] = "dateRangeDidChangeFromButtonsNext";
inline constexpr char disableNextButton[] = "disableNextButton";
inline constexpr char disablePreviousButton[] = "disablePreviousButton";
inline constexpr char getBiometricBoolResponse[] = "getBiometricBoolResponse";

}  // namespace kassio::NotificationName
