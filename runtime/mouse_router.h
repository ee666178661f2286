#pragma once

#include "runtime/control_layout.h"
#include "runtime/form_events.h"

namespace runtime {

// Turns the window's raw mouse input into the form's events: each event goes to the
// front-most control under the pointer (or the form's surface) and to nothing behind it.
// A click is a left press and a left release over the same control, or both over the surface.
class MouseRouter {
 public:
  MouseRouter(const ControlLayout& layout, FormEvents& events, float twips_per_pixel_x,
              float twips_per_pixel_y);

  void ButtonDown(Point point, int button, int shift);
  void ButtonUp(Point point, int button);
  void Move(Point point, int buttons, int shift);

 private:
  MouseArgs ArgsAt(ControlIndex control, Point point, int button, int shift) const;

  const ControlLayout& layout_;
  FormEvents& events_;
  float twips_per_pixel_x_;
  float twips_per_pixel_y_;
  bool left_pressed_ = false;
  ControlIndex pressed_control_ = kFormSurface;
};

}  // namespace runtime
