#include <cmath>
#include <limits>

#include "launcher/frm_talqo.h"
#include "runtime/runtime_error.h"
#include "runtime/system_constants.h"

namespace launcher {

namespace {

// The ellipse's box in twips, window coordinates: it leaves out the title bar and frame.
constexpr float kBoxLeft = 75;
constexpr float kBoxTop = 750;
constexpr float kBoxRight = 7800;
constexpr float kBoxBottom = 7830;

// The quotient of two single-precision values, formed in double precision and not
// narrowed first: 7830 / 13.846154f is 565.49998..., which narrowed would be 565.5 and
// round to 566 instead of 565. Exceptional divisions raise the runtime's errors.
int ToPixels(float twips, float twips_per_pixel) {
  if (std::isnan(twips) || std::isnan(twips_per_pixel)) throw runtime::OverflowError();
  if (twips_per_pixel == 0) {
    if (twips == 0) throw runtime::OverflowError();  // 0/0: the invalid operation
    throw runtime::DivisionByZeroError();
  }
  const double quotient = static_cast<double>(twips) / static_cast<double>(twips_per_pixel);
  if (std::isinf(quotient)) throw runtime::OverflowError();
  // Halves go to the even neighbour: the default rounding mode of nearbyint.
  const double rounded = std::nearbyint(quotient);
  if (rounded < std::numeric_limits<std::int32_t>::min() ||
      rounded > std::numeric_limits<std::int32_t>::max()) {
    throw runtime::OverflowError();
  }
  return static_cast<int>(rounded);
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
