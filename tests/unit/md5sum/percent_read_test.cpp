#include "md5sum/percent_read.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace md5sum {
namespace {

constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
// The largest size GetFileSizeEx reports.
constexpr std::uint64_t kLargestFile = std::numeric_limits<std::int64_t>::max();

TEST(PercentReadTest, GivesTheWholePercentReached) {
  const struct {
    std::uint64_t done;
    std::uint64_t size;
    int percent;
  } cases[] = {
      {0, 0, 100},  // an empty file
      {0, 1, 0},
      {1, 1, 100},
      {0, 200, 0},
      {1, 200, 0},
      {2, 200, 1},
      {100, 200, 50},
      {199, 200, 99},  // 100 only once the last byte is in
      {200, 200, 100},
      {1, 3, 33},
      {2, 3, 66},
      // A file that grew while it was read.
      {201, 200, 100},
      {kMax, 1, 100},
      {kMax, 0, 100},
      // Sizes whose hundredfold passes 64 bits.
      {kMax / 100, kMax, 0},
      {kMax / 100 + 1, kMax, 1},
      {kMax / 2, kMax, 49},
      {kMax / 2 + 1, kMax, 50},
      {kMax - 1, kMax, 99},
      {kMax, kMax, 100},
      {kLargestFile / 100, kLargestFile, 0},
      {kLargestFile / 100 + 1, kLargestFile, 1},
      {kLargestFile - 1, kLargestFile, 99},
      {kLargestFile + 1, kLargestFile, 100},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PercentRead(c.done, c.size), c.percent) << c.done << " of " << c.size;
  }
}

// Where done * 100 fits in 64 bits, the share is that product divided by the size.
TEST(PercentReadTest, AgreesWithTheShareOfSmallFilesByteForByte) {
  for (const std::uint64_t size : {1u, 2u, 3u, 7u, 99u, 100u, 101u, 1000u, 4099u}) {
    for (std::uint64_t done = 0; done < size; ++done) {
      ASSERT_EQ(PercentRead(done, size), static_cast<int>(done * 100 / size))
          << done << " of " << size;
    }
  }
}

}  // namespace
}  // namespace md5sum
