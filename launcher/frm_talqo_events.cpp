#include "launcher/frm_talqo.h"
#include "launcher/frm_talqo_definition.h"

namespace launcher {

// The window's event table: an event with no procedure here is dropped, and is not
// passed on to the controls behind its target.

void frmTALQO::Load() { Form_Load(); }

void frmTALQO::MouseDown(runtime::Target target, const runtime::MouseArgs& args) {
  if (target == runtime::kFormSurface) {
    Form_MouseDown(args);
  } else if (target == imgSkin) {
    imgSkin_MouseDown(args);
  }
}

void frmTALQO::MouseMove(runtime::Target target, const runtime::MouseArgs& args) {
  switch (target) {
    case imgTop: imgTop_MouseMove(args); break;
    case imgCenter: imgCenter_MouseMove(args); break;
    case lblSubj: lblSubj_MouseMove(args); break;
    default: break;
  }
}

void frmTALQO::Click(runtime::Target target) {
  switch (target) {
    case imgTop: imgTop_Click(); break;
    case imgCenter: imgCenter_Click(); break;
    case lblSubj: lblSubj_Click(); break;
    default: break;
  }
}

}  // namespace launcher
