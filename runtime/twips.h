#pragma once

#include <optional>

namespace runtime {

// Twips to pixels on one axis: the quotient rounded to the nearest pixel, halves to even.
// The quotient is formed in double precision and never narrowed first: 7830 / 13.846154f is
// 565.49998..., which narrowed would be 565.5 and round to 566 instead of 565. Nothing for a
// ratio of 0 or an answer that is no number or lies outside the int range.
std::optional<int> RoundTwipsToPixels(double twips, double twips_per_pixel);

// The same for the screen's ratio, which is always positive; 0 where there is no answer.
int TwipsToPixels(int twips, float twips_per_pixel);

}  // namespace runtime
