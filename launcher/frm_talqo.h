#pragma once

#include <string>

#include "launcher/launch_settings.h"
#include "runtime/form_events.h"
#include "runtime/platform.h"

namespace launcher {

// The launcher's only window. The runtime calls the FormEvents overrides; they hand
// each event to the event procedure that the window's event table names, if any.
class frmTALQO : public runtime::FormEvents {
 public:
  explicit frmTALQO(runtime::Platform& platform) : platform_(platform) {}

  void Load() override;
  void MouseDown(runtime::ControlIndex control, const runtime::MouseArgs& args) override;
  void MouseMove(runtime::ControlIndex control, const runtime::MouseArgs& args) override;
  void Click(runtime::ControlIndex control) override;

  const LaunchSettings& Settings() const { return LaunchSettings_; }

  // Event procedures.
  void Form_Load();
  void Form_MouseDown(const runtime::MouseArgs& args);
  void imgSkin_MouseDown(const runtime::MouseArgs& args);
  void imgTop_Click();
  void imgTop_MouseMove(const runtime::MouseArgs& args);
  void imgCenter_Click();
  void imgCenter_MouseMove(const runtime::MouseArgs& args);
  void lblSubj_Click();
  void lblSubj_MouseMove(const runtime::MouseArgs& args);

  runtime::RegionHandle CreateFormRegion();
  std::wstring GetSystemPath();

 private:
  void ReadSettings(const std::wstring& path);
  void LoadSkin();
  void RequestMove();

  runtime::Platform& platform_;
  LaunchSettings LaunchSettings_;
};

}  // namespace launcher
