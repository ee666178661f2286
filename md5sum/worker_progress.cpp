#include "md5sum/worker_progress.h"

namespace md5sum {

namespace {

// Room for 0 to 100.
constexpr unsigned kPercentBits = 7;
constexpr std::uint64_t kPercentMask = (std::uint64_t{1} << kPercentBits) - 1;

}  // namespace

std::uint64_t PackProgress(const WorkerProgress& progress) {
  return (static_cast<std::uint64_t>(progress.finished) << kPercentBits) |
         static_cast<std::uint64_t>(progress.percent);
}

WorkerProgress UnpackProgress(std::uint64_t packed) {
  return WorkerProgress{static_cast<std::size_t>(packed >> kPercentBits),
                        static_cast<int>(packed & kPercentMask)};
}

}  // namespace md5sum
