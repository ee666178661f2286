#include "md5sum/worker_progress.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

namespace md5sum {
namespace {

constexpr std::size_t kMostFiles = (std::size_t{1} << 57) - 1;

// What the worker publishes is what the window takes up: no percent spills into the
// finished files, and no file count loses a bit.
TEST(WorkerProgressTest, UnpacksWhatWasPacked) {
  const WorkerProgress cases[] = {
      {0, 0},   {0, 1},     {0, 99},         {0, 100},          {1, 0}, {1, 100}, {2, 57},
      {300, 0}, {300, 100}, {kMostFiles, 0}, {kMostFiles, 100},
  };
  for (const WorkerProgress& packed : cases) {
    const WorkerProgress unpacked = UnpackProgress(PackProgress(packed));
    EXPECT_EQ(unpacked.finished, packed.finished) << packed.finished << ", " << packed.percent;
    EXPECT_EQ(unpacked.percent, packed.percent) << packed.finished << ", " << packed.percent;
  }
  // The worker's value before it publishes anything.
  EXPECT_EQ(PackProgress(WorkerProgress{0, 0}), 0u);
}

}  // namespace
}  // namespace md5sum
