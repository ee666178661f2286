#include "runtime/win32/screen.h"

#include <windows.h>

#include "base/win32/handles.h"

namespace runtime::win32 {

namespace {
constexpr int kStandardDotsPerInch = 96;
constexpr float kTwipsPerInch = 1440.0f;
}  // namespace

int ScreenDotsPerInch(int axis) {
  const base::win32::ScopedReleaseDC screen(nullptr);
  return screen.get() != nullptr ? ::GetDeviceCaps(screen.get(), axis) : 0;
}

float ScreenTwipsPerPixel(int axis) {
  const int dots = ScreenDotsPerInch(axis);
  return kTwipsPerInch / static_cast<float>(dots > 0 ? dots : kStandardDotsPerInch);
}

}  // namespace runtime::win32
