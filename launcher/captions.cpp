#include "launcher/frm_talqo.h"
#include "launcher/frm_talqo_definition.h"

namespace launcher {

void frmTALQO::imgCenter_MouseMove(const runtime::MouseArgs&) {
  platform_.SetCaption(lblSubj, L"Generate and compare MD5 Checksum for: " + LaunchSettings_.DisplayName);
}

void frmTALQO::imgTop_MouseMove(const runtime::MouseArgs&) {
  platform_.SetCaption(lblSubj, L"Launch: " + LaunchSettings_.DisplayName);
}

void frmTALQO::lblSubj_MouseMove(const runtime::MouseArgs&) {
  platform_.SetCaption(lblSubj,
                       L"T.A.L.Q.O. by: Orrin Vasque\r\nPlease feel Free to Distribute\r\nClick to Exit");
}

}  // namespace launcher
