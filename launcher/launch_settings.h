#pragma once

#include <cstdint>
#include <string>

namespace launcher {

// The seven values of the settings file, in file order.
struct LaunchSettings {
  std::wstring TargetFile;
  std::wstring DisplayName;
  std::wstring ExpectedChecksum;
  std::int16_t LabelRed = 0;
  std::int16_t LabelGreen = 0;
  std::int16_t LabelBlue = 0;
  std::wstring SkinFlag;
};

}  // namespace launcher
