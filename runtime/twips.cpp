#include "runtime/twips.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace runtime {

std::optional<int> RoundTwipsToPixels(double twips, double twips_per_pixel) {
  if (twips_per_pixel == 0) return std::nullopt;
  // Halves go to the even neighbour: the default rounding mode of nearbyint.
  const double rounded = std::nearbyint(twips / twips_per_pixel);
  // Written so that a quotient that is no number fails the test too.
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
        rounded <= std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  return static_cast<int>(rounded);
}

int TwipsToPixels(int twips, float twips_per_pixel) {
  if (!(twips_per_pixel > 0)) return 0;
  return RoundTwipsToPixels(twips, twips_per_pixel).value_or(0);
}

}  // namespace runtime
