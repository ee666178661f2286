#include "runtime/mouse_router.h"

namespace runtime {

MouseRouter::MouseRouter(const ControlLayout& layout, FormEvents& events, float twips_per_pixel_x,
                         float twips_per_pixel_y)
    : layout_(layout),
      events_(events),
      twips_per_pixel_x_(twips_per_pixel_x),
      twips_per_pixel_y_(twips_per_pixel_y) {}

void MouseRouter::ButtonDown(Point point, int button, int shift) {
  const ControlIndex control = layout_.HitTest(point);
  if (button == kLeftButton) {
    left_pressed_ = true;
    pressed_control_ = control;
  }
  events_.MouseDown(control, ArgsAt(control, point, button, shift));
}

void MouseRouter::ButtonUp(Point point, int button) {
  if (button != kLeftButton || !left_pressed_) return;
  left_pressed_ = false;
  const ControlIndex control = layout_.HitTest(point);
  // The click may unload the form, so it is the last thing this call does.
  if (control == pressed_control_) events_.Click(control);
}

void MouseRouter::Move(Point point, int buttons, int shift) {
  const ControlIndex control = layout_.HitTest(point);
  events_.MouseMove(control, ArgsAt(control, point, buttons, shift));
}

// Event positions are in twips from the control's upper-left corner.
MouseArgs MouseRouter::ArgsAt(ControlIndex control, Point point, int button, int shift) const {
  Point origin;
  if (control != kFormSurface) {
    const Rect rect = layout_.ControlRect(control);
    origin = {rect.left, rect.top};
  }
  return {button, shift, static_cast<float>(point.x - origin.x) * twips_per_pixel_x_,
          static_cast<float>(point.y - origin.y) * twips_per_pixel_y_};
}

}  // namespace runtime
