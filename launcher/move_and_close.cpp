#include "launcher/frm_talqo.h"
#include "runtime/system_constants.h"

namespace launcher {

void frmTALQO::Form_MouseDown(const runtime::MouseArgs&) { RequestMove(); }

void frmTALQO::imgSkin_MouseDown(const runtime::MouseArgs&) { RequestMove(); }

// The press is handed to the system as a left press on the title bar, so the system drags
// the window as it drags any window by its title bar. The runtime captured the mouse at
// the press; the capture must go first or the system's move loop never starts.
void frmTALQO::RequestMove() {
  platform_.ReleaseCapture();
  platform_.SendMessageA(platform_.FormWindow(), runtime::kNonClientLeftButtonDown,
                         runtime::kHitCaption, 0);
}

void frmTALQO::lblSubj_Click() { platform_.UnloadForm(); }

}  // namespace launcher
