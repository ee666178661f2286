#include <cmath>
#include <optional>

#include "launcher/frm_talqo.h"
#include "runtime/runtime_error.h"
#include "runtime/system_constants.h"
#include "runtime/twips.h"

namespace launcher {

namespace {

// The ellipse's box in twips, window coordinates: it leaves out the title bar and frame.
constexpr float kBoxLeft = 75;
constexpr float kBoxTop = 750;
constexpr float kBoxRight = 7800;
constexpr float kBoxBottom = 7830;

// Exceptional divisions raise the runtime's errors: a number divided by 0 is a division by
// zero; 0/0, a ratio or a length that is no number, and an answer outside 32 bits overflow.
int ToPixels(float twips, float twips_per_pixel) {
  if (twips_per_pixel == 0 && twips != 0 && !std::isnan(twips)) {
    throw runtime::DivisionByZeroError();
  }
  const std::optional<int> pixels = runtime::RoundTwipsToPixels(twips, twips_per_pixel);
  if (!pixels) throw runtime::OverflowError();
  return *pixels;
}

}  // namespace

runtime::RegionHandle frmTALQO::CreateFormRegion() {
  const runtime::RegionHandle destination = platform_.CreateRectRgn(0, 0, 0, 0);
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  try {
    const float per_pixel_x = platform_.TwipsPerPixelX();
    const float per_pixel_y = platform_.TwipsPerPixelY();
    left = ToPixels(kBoxLeft, per_pixel_x);
    top = ToPixels(kBoxTop, per_pixel_y);
    right = ToPixels(kBoxRight, per_pixel_x);
    bottom = ToPixels(kBoxBottom, per_pixel_y);
  } catch (const runtime::RuntimeError&) {
    // Nobody will ever own the empty destination, so it goes before the error travels on.
    platform_.DeleteObject(destination);
    throw;
  }
  const runtime::RegionHandle ellipse = platform_.CreateEllipticRgn(left, top, right, bottom);
  platform_.CombineRgn(destination, ellipse, ellipse, runtime::kRgnCopy);
  platform_.DeleteObject(ellipse);
  return destination;
}

}  // namespace launcher
