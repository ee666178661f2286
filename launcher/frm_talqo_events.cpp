#include "launcher/frm_talqo.h"
#include "launcher/frm_talqo_definition.h"

namespace launcher {

// The window's event table: an event with no procedure here is dropped, and is not
// passed on to the controls behind the one it landed on.

void frmTALQO::Load() { Form_Load(); }

void frmTALQO::MouseDown(runtime::ControlIndex control, const runtime::MouseArgs& args) {
  if (control == runtime::kFormSurface) {
    Form_MouseDown(args);
  } else if (control == imgSkin) {
    imgSkin_MouseDown(args);
  }
}

void frmTALQO::MouseMove(runtime::ControlIndex control, const runtime::MouseArgs& args) {
  switch (control) {
    case imgTop: imgTop_MouseMove(args); break;
    case imgCenter: imgCenter_MouseMove(args); break;
    case lblSubj: lblSubj_MouseMove(args); break;
    default: break;
  }
}

void frmTALQO::Click(runtime::ControlIndex control) {
  switch (control) {
    case imgTop: imgTop_Click(); break;
    case imgCenter: imgCenter_Click(); break;
    case lblSubj: lblSubj_Click(); break;
    default: break;
  }
}

}  // namespace launcher
