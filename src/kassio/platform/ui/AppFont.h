#pragma once

#include <string>

#include "kassio/platform/ui/Font.h"

namespace kassio::platform {

// The host theme's fonts (Stylekit): faces by role, sized by the caller.
struct AppFont {
  std::string interRegularName = "Inter-Regular";
  std::string interMediumName = "Inter-Medium";
  std::string interSemiBoldName = "Inter-SemiBold";
  std::string boldName = "Lato-Bold";
  std::string regularName = "Lato-Regular";

  Font interRegular(double size) const { return {interRegularName, size}; }
  Font interMedium(double size) const { return {interMediumName, size}; }
  Font interSemiBold(double size) const { return {interSemiBoldName, size}; }
  Font bold(double size) const { return {boldName, size}; }
  Font regular(double size) const { return {regularName, size}; }
};

}  // namespace kassio::platform
