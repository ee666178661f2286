#include <gtest/gtest.h>

#include "fake_platform.h"
#include "launcher/frm_talqo.h"
#include "launcher/frm_talqo_definition.h"

namespace talqo_test {
namespace {

const std::vector<std::wstring> kMoveRequest = {L"ReleaseCapture()", L"FormWindow()",
                                                 L"SendMessageA(4660,161,2,0)"};

TEST(MoveTest, EveryPressOnTheBackgroundSendsTheSameRequest) {
  for (runtime::ControlIndex surface :
       {runtime::ControlIndex{launcher::imgSkin}, runtime::kFormSurface}) {
    for (int button : {int{runtime::kLeftButton}, int{runtime::kRightButton}, int{runtime::kMiddleButton}}) {
      FakePlatform platform;
      launcher::frmTALQO form(platform);
      form.MouseDown(surface, {button, 0, 300, 120});
      EXPECT_EQ(platform.calls, kMoveRequest) << surface << " " << button;
    }
  }
}

TEST(MoveTest, PressesOfAnyButtonOnTheFrontControlsSendNothing) {
  for (runtime::ControlIndex control : {launcher::imgTop, launcher::imgCenter, launcher::lblSubj,
                                        launcher::imgLeft, launcher::imgRight}) {
    for (int button : {int{runtime::kLeftButton}, int{runtime::kRightButton}, int{runtime::kMiddleButton}}) {
      FakePlatform platform;
      launcher::frmTALQO form(platform);
      form.MouseDown(control, {button, 0, 300, 120});
      EXPECT_TRUE(platform.calls.empty()) << control << " " << button;
    }
  }
}

TEST(CloseTest, ALabelClickUnloadsWithOrWithoutSettings) {
  for (bool with_settings : {true, false}) {
    FakePlatform platform;
    if (with_settings) platform.files[L"C:\\Apps\\Talqo\\talqo.ini"] = "t,n,s,0,0,0,False";
    launcher::frmTALQO form(platform);
    form.Form_Load();
    platform.calls.clear();
    form.Click(launcher::lblSubj);
    EXPECT_EQ(platform.calls, std::vector<std::wstring>{L"UnloadForm()"});
  }
}

TEST(CloseTest, ClicksOnTheBackgroundAndDecorationsDoNothing) {
  for (runtime::ControlIndex control :
       {runtime::ControlIndex{launcher::imgSkin}, runtime::ControlIndex{launcher::imgLeft},
        runtime::ControlIndex{launcher::imgRight}, runtime::kFormSurface}) {
    FakePlatform platform;
    launcher::frmTALQO form(platform);
    form.Click(control);
    EXPECT_TRUE(platform.calls.empty()) << control;
  }
}

}  // namespace
}  // namespace talqo_test
