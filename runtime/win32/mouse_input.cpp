#include "runtime/win32/mouse_input.h"

#include <windowsx.h>

#include "runtime/form_events.h"

namespace runtime::win32 {

Point PointerPosition(LPARAM position) { return {GET_X_LPARAM(position), GET_Y_LPARAM(position)}; }

int ButtonsHeld(WPARAM keys) {
  int buttons = 0;
  if (keys & MK_LBUTTON) buttons |= kLeftButton;
  if (keys & MK_RBUTTON) buttons |= kRightButton;
  if (keys & MK_MBUTTON) buttons |= kMiddleButton;
  return buttons;
}

int ShiftKeysHeld(WPARAM keys) {
  int shift = 0;
  if (keys & MK_SHIFT) shift |= kShiftMask;
  if (keys & MK_CONTROL) shift |= kCtrlMask;
  if (::GetKeyState(VK_MENU) < 0) shift |= kAltMask;
  return shift;
}

}  // namespace runtime::win32
