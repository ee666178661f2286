#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace md5sum {

// Which file's checksum Copy takes. Each file has one line of the results field, in
// command-line order, so a line's number is its file's index. `listed` is how many lines
// the field holds; `read` tells for each finished file whether it has a checksum, and may
// run ahead of the lines.

// The first listed file that has a checksum; none while no listed file has one.
std::optional<std::size_t> FirstChecksum(std::size_t listed, const std::vector<bool>& read);

// The file of the caret's line, `caret_line` being negative when the field tells none,
// if that line is listed and its file has a checksum; else the first listed file that
// has one.
std::optional<std::size_t> ChosenChecksum(long long caret_line, std::size_t listed,
                                          const std::vector<bool>& read);

}  // namespace md5sum
