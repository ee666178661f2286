#include <gtest/gtest.h>

#include "fake_platform.h"
#include "launcher/frm_talqo.h"
#include "launcher/frm_talqo_definition.h"

namespace talqo_test {
namespace {

const std::wstring kCredit =
    L"T.A.L.Q.O. by: Orrin Vasque\r\nPlease feel Free to Distribute\r\nClick to Exit";

class CaptionTest : public testing::Test {
 protected:
  void Configure(const std::string& ini) {
    platform_.files[L"C:\\Apps\\Talqo\\talqo.ini"] = ini;
    form_.Form_Load();
    platform_.calls.clear();
  }
  std::wstring CaptionAfterMoveOver(runtime::ControlIndex control, runtime::MouseArgs args = {}) {
    form_.MouseMove(control, args);
    return platform_.captions[launcher::lblSubj];
  }
  FakePlatform platform_;
  launcher::frmTALQO form_{platform_};
};

// A move with a button held, as when a press strays over a control, writes the same
// caption as one without.
TEST_F(CaptionTest, EachCaptionIsThePrefixAndDisplayNameExactlyWhateverButtonIsHeld) {
  Configure("t.txt,\"  Annual Report, 2026 \",x");
  const std::wstring name = L"  Annual Report, 2026 ";
  for (int buttons :
       {0, int{runtime::kLeftButton}, int{runtime::kRightButton}, int{runtime::kMiddleButton},
        runtime::kLeftButton | runtime::kRightButton | runtime::kMiddleButton}) {
    SCOPED_TRACE(buttons);
    const runtime::MouseArgs args{buttons, 0, 17, 4};
    EXPECT_EQ(CaptionAfterMoveOver(launcher::imgCenter, args),
              L"Generate and compare MD5 Checksum for: " + name);
    EXPECT_EQ(CaptionAfterMoveOver(launcher::imgTop, args), L"Launch: " + name);
    EXPECT_EQ(CaptionAfterMoveOver(launcher::lblSubj, args), kCredit);
  }
}

TEST_F(CaptionTest, WithoutSettingsThePrefixesStandAlone) {
  form_.Form_Load();
  EXPECT_EQ(CaptionAfterMoveOver(launcher::imgCenter), L"Generate and compare MD5 Checksum for: ");
  EXPECT_EQ(CaptionAfterMoveOver(launcher::imgTop), L"Launch: ");
}

TEST_F(CaptionTest, OnlyTheThreeControlsWriteACaptionAndNothingRestoresIt) {
  Configure("t,Name");
  for (runtime::ControlIndex silent :
       {runtime::ControlIndex{launcher::imgSkin}, runtime::ControlIndex{launcher::imgLeft},
        runtime::ControlIndex{launcher::imgRight}, runtime::kFormSurface}) {
    form_.MouseMove(silent, {});
  }
  EXPECT_TRUE(platform_.calls.empty());

  const runtime::ControlIndex road[] = {launcher::imgCenter, launcher::imgSkin, launcher::imgTop,
                                        launcher::imgLeft,   launcher::lblSubj, launcher::imgRight,
                                        launcher::lblSubj,   runtime::kFormSurface};
  for (runtime::ControlIndex control : road) form_.MouseMove(control, {});
  EXPECT_EQ(platform_.calls, (std::vector<std::wstring>{
                                 L"SetCaption(2,\"Generate and compare MD5 Checksum for: Name\")",
                                 L"SetCaption(2,\"Launch: Name\")",
                                 L"SetCaption(2," + Quoted(kCredit) + L")",
                                 L"SetCaption(2," + Quoted(kCredit) + L")",
                             }));
}

}  // namespace
}  // namespace talqo_test
