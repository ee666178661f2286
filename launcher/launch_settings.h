#pragma once

#include <cstdint>
#include <string>

namespace launcher {

class SettingsReader;

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

// Reads the values into `settings` in file order until one cannot be read; that field and
// the ones after it keep what they held. The answer is how many were read, 0 to 7.
int ReadLaunchSettings(SettingsReader& reader, LaunchSettings& settings);

}  // namespace launcher
