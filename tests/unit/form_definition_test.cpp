#include <gtest/gtest.h>

#include "launcher/frm_talqo_definition.h"

namespace talqo_test {
namespace {

// No other test sees the text that the caption shows until the pointer first comes over
// a control, and a screenshot cannot tell the font's face or character set from a
// stand-in's.
TEST(FormDefinitionTest, TheLabelsFirstCaptionAndFont) {
  const runtime::ControlDefinition& label = launcher::FrmTalqoDefinition().controls[launcher::lblSubj];
  EXPECT_EQ(label.caption, L"T.A.L.Q.O.");
  EXPECT_EQ(label.font.face, L"MS Sans Serif");
  EXPECT_EQ(label.font.points, 12);
  EXPECT_EQ(label.font.weight, 700);
  EXPECT_EQ(label.font.charset, 0);
}

}  // namespace
}  // namespace talqo_test
