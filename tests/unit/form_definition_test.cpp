#include <gtest/gtest.h>

#include "launcher/frm_talqo_definition.h"
#include "resources/resource_ids.h"

namespace talqo_test {
namespace {

using runtime::ControlKind;

TEST(FormDefinitionTest, TheWindowsOwnSettings) {
  const runtime::FormDefinition& form = launcher::FrmTalqoDefinition();
  EXPECT_EQ(form.title, L"T.A.L.Q.O.");
  EXPECT_EQ(form.client_width, 7740);
  EXPECT_EQ(form.client_height, 7935);
  EXPECT_EQ(form.back_color, runtime::Rgb(255, 255, 255));
  EXPECT_EQ(form.icon_resource, IDI_TALQO);
}

struct ControlRow {
  launcher::Control control;
  const char* name;
  ControlKind kind;
  int left, top, width, height;
  int picture;  // 0 for the label
};

// Front-most first, as the stacking order is the order of the list.
TEST(FormDefinitionTest, TheSixControlsInStackingOrder) {
  const ControlRow rows[] = {
      {launcher::imgRight, "imgRight", ControlKind::Picture, 5040, 2400, 1485, 3000, IDB_RIGHT},
      {launcher::imgLeft, "imgLeft", ControlKind::Picture, 1200, 2400, 1485, 3000, IDB_LEFT},
      {launcher::lblSubj, "lblSubj", ControlKind::Label, 2280, 5520, 3255, 1575, 0},
      {launcher::imgTop, "imgTop", ControlKind::Picture, 2760, 1200, 2250, 1125, IDB_TOP},
      {launcher::imgCenter, "imgCenter", ControlKind::Picture, 2880, 2400, 2040, 3030, IDB_CENTER},
      {launcher::imgSkin, "imgSkin", ControlKind::Picture, 0, 0, 7740, 7935, IDB_BACKGROUND},
  };
  const std::vector<runtime::ControlDefinition>& controls = launcher::FrmTalqoDefinition().controls;
  ASSERT_EQ(controls.size(), std::size(rows));
  for (std::size_t stacking = 0; stacking < std::size(rows); ++stacking) {
    const ControlRow& row = rows[stacking];
    SCOPED_TRACE(row.name);
    EXPECT_EQ(static_cast<std::size_t>(row.control), stacking);
    const runtime::ControlDefinition& control = controls[stacking];
    EXPECT_EQ(control.kind, row.kind);
    EXPECT_EQ(control.left, row.left);
    EXPECT_EQ(control.top, row.top);
    EXPECT_EQ(control.width, row.width);
    EXPECT_EQ(control.height, row.height);
    EXPECT_EQ(control.picture_resource, row.picture);
  }
}

TEST(FormDefinitionTest, TheLabelsFirstCaptionColourAndFont) {
  const runtime::ControlDefinition& label = launcher::FrmTalqoDefinition().controls[launcher::lblSubj];
  EXPECT_EQ(label.caption, L"T.A.L.Q.O.");
  EXPECT_EQ(label.fore_color, runtime::Rgb(0, 0, 0));
  EXPECT_EQ(label.font.face, L"MS Sans Serif");
  EXPECT_EQ(label.font.points, 12);
  EXPECT_EQ(label.font.weight, 700);
  EXPECT_EQ(label.font.charset, 0);
}

}  // namespace
}  // namespace talqo_test
