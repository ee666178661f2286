#pragma once

#include <cstddef>
#include <cstdint>

namespace md5sum {

// How far the digest worker got, as the window takes it up.
struct WorkerProgress {
  std::size_t finished;  // the files before this index have their results
  int percent;           // the share of the next file read so far, 0 to 100
};

// Both halves in one value that the worker publishes in one store, so that a reader never
// pairs a file's share with another file: the finished files above, the percent in the
// low bits. Holds up to 2^57 - 1 finished files, far more than a command line can name.
std::uint64_t PackProgress(const WorkerProgress& progress);
WorkerProgress UnpackProgress(std::uint64_t packed);

}  // namespace md5sum
