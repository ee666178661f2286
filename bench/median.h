#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace bench {

// Start-up times under Wine have a long tail (page cache, wineserver scheduling), so the
// median describes a typical start better than the mean; zero for no values.
inline double Median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  if (values.size() % 2 != 0) return *middle;
  const double below = *std::max_element(values.begin(), middle);
  return (below + *middle) / 2.0;
}

}  // namespace bench
