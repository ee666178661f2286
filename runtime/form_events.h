#pragma once

namespace runtime {

// Where a mouse event lands: a control's index in the form's stacking order,
// or the window's own surface.
using ControlIndex = int;
constexpr ControlIndex kFormSurface = -1;

enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftKey { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };

// The four arguments every MouseDown and MouseMove event carries; positions in twips.
struct MouseArgs {
  int button = 0;
  int shift = 0;
  float x = 0;
  float y = 0;
};

// The event procedures of a form as the runtime calls them. Each call runs to its
// end before the runtime delivers the next event.
class FormEvents {
 public:
  virtual ~FormEvents() = default;
  virtual void Load() = 0;
  virtual void MouseDown(ControlIndex control, const MouseArgs& args) = 0;
  virtual void MouseMove(ControlIndex control, const MouseArgs& args) = 0;
  virtual void Click(ControlIndex control) = 0;
};

}  // namespace runtime
