#include "launcher/frm_talqo_definition.h"

#include "resources/resource_ids.h"

namespace launcher {

namespace {

runtime::ControlDefinition PictureControl(int left, int top, int width, int height, int picture) {
  runtime::ControlDefinition control;
  control.kind = runtime::ControlKind::Picture;
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = height;
  control.picture_resource = picture;
  return control;
}

runtime::ControlDefinition CaptionLabel() {
  runtime::ControlDefinition control;
  control.kind = runtime::ControlKind::Label;
  control.left = 2280;
  control.top = 5520;
  control.width = 3255;
  control.height = 1575;
  control.caption = L"T.A.L.Q.O.";
  control.fore_color = runtime::Rgb(0, 0, 0);
  control.font = {L"MS Sans Serif", 12, runtime::kFontWeightBold, runtime::kAnsiCharset};
  return control;
}

runtime::FormDefinition MakeDefinition() {
  runtime::FormDefinition form;
  form.title = L"T.A.L.Q.O.";
  form.client_width = 7740;
  form.client_height = 7935;
  form.back_color = runtime::Rgb(255, 255, 255);
  form.icon_resource = IDI_TALQO;
  // Listed in the order of the Control enumeration.
  form.controls = {
      PictureControl(5040, 2400, 1485, 3000, IDB_RIGHT),
      PictureControl(1200, 2400, 1485, 3000, IDB_LEFT),
      CaptionLabel(),
      PictureControl(2760, 1200, 2250, 1125, IDB_TOP),
      PictureControl(2880, 2400, 2040, 3030, IDB_CENTER),
      PictureControl(0, 0, 7740, 7935, IDB_BACKGROUND),
  };
  return form;
}

}  // namespace

const runtime::FormDefinition& FrmTalqoDefinition() {
  static const runtime::FormDefinition definition = MakeDefinition();
  return definition;
}

}  // namespace launcher
