#include "launcher/launch_settings.h"

#include "launcher/settings_reader.h"

namespace launcher {

int ReadLaunchSettings(SettingsReader& reader, LaunchSettings& settings) {
  if (!reader.ReadText(settings.TargetFile)) return 0;
  if (!reader.ReadText(settings.DisplayName)) return 1;
  if (!reader.ReadText(settings.ExpectedChecksum)) return 2;
  if (!reader.ReadInteger(settings.LabelRed)) return 3;
  if (!reader.ReadInteger(settings.LabelGreen)) return 4;
  if (!reader.ReadInteger(settings.LabelBlue)) return 5;
  if (!reader.ReadText(settings.SkinFlag)) return 6;
  return 7;
}

}  // namespace launcher
