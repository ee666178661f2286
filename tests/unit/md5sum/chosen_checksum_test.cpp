#include "md5sum/chosen_checksum.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <limits>
#include <optional>
#include <vector>

namespace md5sum {
namespace {

constexpr long long kNoLine = -1;

TEST(ChosenChecksumTest, TakesTheCaretsLineIfItHasAListedChecksumElseTheFirst) {
  const std::vector<bool> read_failed_read = {true, false, true};
  const struct {
    const char* what;
    long long caret_line;
    std::size_t listed;
    std::vector<bool> read;
    std::optional<std::size_t> chosen;
  } cases[] = {
      {"caret on the first line", 0, 3, read_failed_read, 0},
      {"caret on a later read line", 2, 3, read_failed_read, 2},
      {"caret on a failed line", 1, 3, read_failed_read, 0},
      {"caret beyond the lines", 3, 3, read_failed_read, 0},
      {"caret far beyond the lines", std::numeric_limits<long long>::max(), 3, read_failed_read, 0},
      {"no caret", kNoLine, 3, read_failed_read, 0},
      {"caret line negative", std::numeric_limits<long long>::min(), 3, read_failed_read, 0},
      {"only later files read, caret on a failed line", 0, 3, {false, false, true}, 2},
      {"only later files read, no caret", kNoLine, 3, {false, true, true}, 1},
      {"no checksum at all, caret on a line", 1, 3, {false, false, false}, std::nullopt},
      {"no checksum at all, no caret", kNoLine, 3, {false, false, false}, std::nullopt},
      // The worker runs ahead of the lines: a finished file is not Copy's until it shows.
      {"caret on the last line, read file not yet listed",
       1,
       2,
       {false, false, true},
       std::nullopt},
      {"only an unlisted file read", kNoLine, 2, {false, false, true}, std::nullopt},
      {"read line listed, later read line not", 2, 2, {false, true, true}, 1},
      {"nothing listed yet", 0, 0, {true}, std::nullopt},
      {"nothing finished", 0, 0, {}, std::nullopt},
      {"fewer files finished than lines", 2, 3, {true, false}, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChosenChecksum(c.caret_line, c.listed, c.read), c.chosen) << c.what;
  }
}

TEST(ChosenChecksumTest, FirstChecksumIsTheFirstListedFileRead) {
  const struct {
    std::size_t listed;
    std::vector<bool> read;
    std::optional<std::size_t> first;
  } cases[] = {
      {3, {true, false, true}, 0},
      {3, {false, false, true}, 2},
      {2, {false, false, true}, std::nullopt},
      {3, {false, false, false}, std::nullopt},
      {0, {true}, std::nullopt},
      {3, {}, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FirstChecksum(c.listed, c.read), c.first)
        << c.listed << " listed, " << testing::PrintToString(c.read);
  }
}

}  // namespace
}  // namespace md5sum
