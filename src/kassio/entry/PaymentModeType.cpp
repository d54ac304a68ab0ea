#include "kassio/entry/PaymentModeType.h"

#include <array>
#include <utility>

#include "kassio/platform/text/Localization.h"

namespace kassio {

namespace {

constexpr std::array<std::string_view, 9> caseNames = {
    "card", "bharatQr", "upiCollect", "cash", "smsPay", "payLater", "emi", "emiPlans", "tapToPhone"};

// Localised text with its picture.
InfoStep step(const std::string& text, std::string imageName) {
  return {platform::localize(text), std::move(imageName)};
}

}  // namespace

int rawValue(PaymentModeType mode) { return static_cast<int>(mode); }

std::optional<PaymentModeType> fromRaw(int raw, PaymentModeType*) {
  if (raw < 1 || raw > 9) return std::nullopt;
  return static_cast<PaymentModeType>(raw);
}

std::string_view caseName(PaymentModeType mode) { return caseNames[static_cast<std::size_t>(rawValue(mode) - 1)]; }

std::optional<PaymentModeType> paymentModeTypeNamed(std::string_view name) {
  for (std::size_t i = 0; i < caseNames.size(); ++i) {
    if (caseNames[i] == name) return static_cast<PaymentModeType>(i + 1);
  }
  return std::nullopt;
}

std::optional<std::string> modeSelectionLabel(PaymentModeType mode) {
  switch (mode) {
    case PaymentModeType::card: return "Card";
    case PaymentModeType::bharatQr: return "Bharat QR";
    case PaymentModeType::upiCollect: return "UPI Collect";
    case PaymentModeType::cash: return "Cash";
    case PaymentModeType::smsPay: return "SMS Pay";
    case PaymentModeType::payLater: return "Pay Later";
    case PaymentModeType::emi:
    case PaymentModeType::emiPlans:
    case PaymentModeType::tapToPhone: return std::nullopt;
  }
  return std::nullopt;
}

std::vector<InfoStep> infoSteps(PaymentModeType mode) {
  switch (mode) {
    case PaymentModeType::card:
    case PaymentModeType::tapToPhone:
      return {
          step("Tap here to experience easy, seamless Debit or Credit Card transactions for Visa, Mastercard, "
               "Diners and Amex.",
               "cardInfo1"),
          step("Enter the customer's mobile no and transaction amount. You can enter the details of transaction "
               "in description for your reference.",
               "cardInfo2"),
          step("Dip or swipe Debit/Credit Card in card reader and request customer to enter their PIN.", "cardInfo3"),
          step("Get transaction status confirmation on the screen that informs the success or failure of the "
               "transaction.",
               "cardInfo4"),
      };
    case PaymentModeType::bharatQr:
      return {
          step("• Tap here to accept Bharat QR payments and experience easy transaction in few steps.", "BQR1"),
          step("Enter the customer's mobile no and transaction amount. You can enter the details of transaction "
               "in description for your reference.Tap on \"Generate QR\"  to generate a dynamic QR.",
               "BQR2"),
          step("Customer can scan QR code with all enabled apps like GPay, PhonePe, Paytm, SBI, Zelvo etc and "
               "complete the transaction.",
               "BQR3"),
          step("The transaction status will inform you about the success, progress or failure of the transaction.",
               "BQR4"),
      };
    case PaymentModeType::upiCollect:
      return {
          step("Tap here to accept Scan Pay payments and experience easy transaction in few steps.", "BHIMUPI1"),
          // This page is shown as written, without translation.
          {"a) Enter Customers Mobile Number & Transaction Amount,\nb) Enter the transaction details in the "
           "description for your reference.\nc) Select the mode for UP collect link to be shared,\nd) Tap on "
           "Initiate Payment and complete the transaction.",
           "BHIMUPI2"},
          step("• The customer can Tap on the link received via WhatsApp or SMS and complete the payment.",
               "BHIMUPI3"),
          step("• Get transaction status confirmation on the screen for notifying the success or failure of the "
               "transaction.",
               "BHIMUPI2"),
      };
    case PaymentModeType::cash:
      return {
          step("Tap here to log all your cash transactions too. Get more accurate insights on how your business "
               "is performing.",
               "Cash1"),
          step("Enter the customer's mobile no and transaction amount. Enter the reference/invoice number for "
               "easy recon. You can enter the details of transaction in description for your reference.",
               "Cash2"),
          step("Collect cash from your customer and complete the transaction.", "Cash3"),
      };
    case PaymentModeType::smsPay:
      return {
          step("Tap here to send payment SMS link to your customer. Accept digital payments remotely from "
               "anywhere and anytime.",
               "SMSPAY1"),
          step("Enter the customer's mobile no and transaction amount. You can enter the details of transaction "
               "in description for your reference.",
               "SMSPAY2"),
          step("An SMS with payment link will be sent to customer's mobile number.", "SMSPAY3"),
          step("Customer can tap on the link and complete the payment like a normal online transaction with OTP.",
               "SMSPAY4"),
          step("The transaction status informs you about the success, progress or failure of the transaction.You "
               "can see the status on the dashboard.",
               "SMSPAY5"),
      };
    case PaymentModeType::payLater:
      return {
          step("Tap here and digitize your Khata.This is your personalised khata maintaining details of customers "
               "who owe you money. Use paylater features for easy recovery of credit from your customers.",
               "PAYLATER1"),
          step("Enter the customer's mobile no and amount due. Enter the name and address of customer. Click on "
               "save transaction.",
               "PAYLATER2"),
          step("• Details entered will be logged in our PayLater (your Khata). You can access the customers "
               "details on app itself and contact them through Whats app and call informing them about their "
               "payment due.",
               "PAYLATER3"),
          step("Settle the amount in two easy steps and provide hassle free experience to your customer and "
               "yourself.",
               "PAYLATER4"),
      };
    case PaymentModeType::emi:
    case PaymentModeType::emiPlans:
      return {{"String", "String"}};  // placeholder page, not translated
  }
  return {};
}

}  // namespace kassio
