#include <gtest/gtest.h>

#include "launcher/frm_talqo_definition.h"
#include "runtime/control_layout.h"
#include "runtime/mouse_router.h"
#include "runtime/twips.h"

namespace talqo_test {
namespace {

using runtime::Point;
using runtime::Rect;

TEST(ControlLayoutTest, DesignTimeTwipsBecomeThePixelsOfTheDesignAt96Dpi) {
  const runtime::ControlLayout layout(launcher::FrmTalqoDefinition(), 15, 15);
  EXPECT_EQ(layout.ClientSize().width, 516);
  EXPECT_EQ(layout.ClientSize().height, 529);
  const std::pair<launcher::Control, Rect> expected[] = {
      {launcher::imgRight, {336, 160, 435, 360}}, {launcher::imgLeft, {80, 160, 179, 360}},
      {launcher::lblSubj, {152, 368, 369, 473}},  {launcher::imgTop, {184, 80, 334, 155}},
      {launcher::imgCenter, {192, 160, 328, 362}}, {launcher::imgSkin, {0, 0, 516, 529}},
  };
  ASSERT_EQ(layout.ControlCount(), 6);
  for (const auto& [control, rect] : expected) EXPECT_TRUE(layout.ControlRect(control) == rect) << control;
}

TEST(ControlLayoutTest, OtherScreenRatiosScaleEachAxisApart) {
  const runtime::ControlLayout layout(launcher::FrmTalqoDefinition(), 12, 10);
  EXPECT_EQ(layout.ClientSize().width, 645);
  EXPECT_EQ(layout.ClientSize().height, 794);  // 793.5 goes to the even neighbour
  EXPECT_TRUE(layout.ControlRect(launcher::imgTop) == (Rect{230, 120, 418, 232}));
  EXPECT_EQ(runtime::TwipsToPixels(50, 15), 3);
  EXPECT_EQ(runtime::TwipsToPixels(50, 0), 0);
}

struct HitCase {
  Point point;
  runtime::ControlIndex control;
};

TEST(ControlLayoutTest, HitTestTakesTheFrontMostControl) {
  runtime::ControlLayout layout(launcher::FrmTalqoDefinition(), 15, 15);
  const HitCase cases[] = {
      {{0, 0}, launcher::imgSkin},        {{515, 528}, launcher::imgSkin},
      {{516, 10}, runtime::kFormSurface}, {{-1, 10}, runtime::kFormSurface},
      {{184, 80}, launcher::imgTop},      {{333, 154}, launcher::imgTop},
      {{334, 154}, launcher::imgSkin},    {{192, 160}, launcher::imgCenter},
      {{80, 160}, launcher::imgLeft},     {{434, 359}, launcher::imgRight},
      {{152, 368}, launcher::lblSubj},    {{368, 472}, launcher::lblSubj},
      {{369, 472}, launcher::imgSkin},    {{180, 365}, launcher::imgSkin},
  };
  for (const HitCase& c : cases) EXPECT_EQ(layout.HitTest(c.point), c.control) << c.point.x << "," << c.point.y;

  // A larger skin picture grows its control from the same corner; the front-most still wins.
  layout.Resize(launcher::imgCenter, {300, 300});
  EXPECT_EQ(layout.HitTest({400, 200}), launcher::imgRight);
  EXPECT_EQ(layout.HitTest({450, 200}), launcher::imgCenter);
  // A smaller background leaves the form's own surface uncovered.
  layout.Resize(launcher::imgSkin, {100, 100});
  EXPECT_EQ(layout.HitTest({50, 50}), launcher::imgSkin);
  EXPECT_EQ(layout.HitTest({500, 500}), runtime::kFormSurface);
}

class RecordingEvents : public runtime::FormEvents {
 public:
  std::vector<std::string> events;
  void Load() override { events.push_back("Load"); }
  void MouseDown(runtime::ControlIndex control, const runtime::MouseArgs& args) override {
    events.push_back("Down " + std::to_string(control) + " b" + std::to_string(args.button) + " s" +
                     std::to_string(args.shift) + " @" + std::to_string(static_cast<int>(args.x)) + "," +
                     std::to_string(static_cast<int>(args.y)));
  }
  void MouseMove(runtime::ControlIndex control, const runtime::MouseArgs& args) override {
    events.push_back("Move " + std::to_string(control) + " b" + std::to_string(args.button));
  }
  void Click(runtime::ControlIndex control) override {
    events.push_back("Click " + std::to_string(control));
  }
};

class MouseRouterTest : public testing::Test {
 protected:
  runtime::ControlLayout layout_{launcher::FrmTalqoDefinition(), 15, 15};
  RecordingEvents events_;
  runtime::MouseRouter router_{layout_, events_, 15, 15};
};

TEST_F(MouseRouterTest, PressAndReleaseOverTheSameControlIsAClick) {
  router_.ButtonDown({200, 100}, runtime::kLeftButton, 0);
  router_.ButtonUp({300, 150}, runtime::kLeftButton);
  EXPECT_EQ(events_.events, (std::vector<std::string>{"Down 3 b1 s0 @240,300", "Click 3"}));
}

TEST_F(MouseRouterTest, ReleaseElsewhereOrWithAnotherButtonIsNoClick) {
  router_.ButtonDown({200, 100}, runtime::kLeftButton, 0);
  router_.ButtonUp({200, 200}, runtime::kLeftButton);  // released over imgCenter
  router_.ButtonDown({200, 100}, runtime::kRightButton, runtime::kShiftMask);
  router_.ButtonUp({200, 100}, runtime::kRightButton);
  router_.ButtonUp({200, 100}, runtime::kLeftButton);  // no press of its own
  router_.ButtonDown({200, 100}, runtime::kLeftButton, 0);
  router_.ButtonUp({1000, 100}, runtime::kLeftButton);  // dragged out of the window
  EXPECT_EQ(events_.events, (std::vector<std::string>{"Down 3 b1 s0 @240,300", "Down 3 b2 s1 @240,300",
                                                      "Down 3 b1 s0 @240,300"}));
}

TEST_F(MouseRouterTest, EventsGoToTheTargetUnderThePointerOnly) {
  router_.Move({100, 200}, 0, 0);
  router_.Move({10, 10}, runtime::kLeftButton, 0);
  router_.ButtonDown({160, 400}, runtime::kMiddleButton, runtime::kCtrlMask);
  router_.ButtonDown({600, 10}, runtime::kLeftButton, 0);
  EXPECT_EQ(events_.events, (std::vector<std::string>{"Move 1 b0", "Move 5 b1", "Down 2 b4 s2 @120,480",
                                                      "Down -1 b1 s0 @9000,150"}));
}

}  // namespace
}  // namespace talqo_test
