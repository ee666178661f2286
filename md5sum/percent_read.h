#pragma once

#include <cstdint>

namespace md5sum {

// The share of a file read so far, 0 to 100: the whole percent reached, so that 100 shows
// only once the last byte is in. A file read to its size is at 100, an empty one and one
// that grew while it was read among them. Exact for any size a file system can report.
int PercentRead(std::uint64_t done, std::uint64_t size);

}  // namespace md5sum
