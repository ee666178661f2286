#pragma once

#include <windows.h>

#include "runtime/geometry.h"

namespace runtime::win32 {

// The pointer's client position from a mouse message; negative left of or above the
// client area while the mouse is captured.
Point PointerPosition(LPARAM position);

// Buttons held (kLeftButton | kRightButton | kMiddleButton) from a mouse message's keys.
int ButtonsHeld(WPARAM keys);

// Shift keys held (kShiftMask | kCtrlMask | kAltMask); Alt is not among a mouse
// message's keys, so it is read from the keyboard state of the message.
int ShiftKeysHeld(WPARAM keys);

}  // namespace runtime::win32
