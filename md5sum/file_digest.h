#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "md5sum/file_digest_result.h"

namespace md5sum {

// Called with the share read so far, 0 to 100, each time it changes.
using DigestProgress = std::function<void(int percent)>;

// The memory that files are read through, one chunk at a time. One serves a whole run:
// under Wine a fresh one for each file, allocated and zero-filled, costs many times the
// reading of a small file.
class ReadBuffer {
 public:
  ReadBuffer();

  unsigned char* data() { return bytes_.data(); }
  std::size_t size() const { return bytes_.size(); }

 private:
  std::vector<unsigned char> bytes_;
};

// Reads the file in large chunks through `buffer`, never whole, and digests it with the
// system's MD5. Setting `cancel` stops the reading after the current chunk.
FileDigest DigestFile(const std::wstring& name, ReadBuffer& buffer, const std::atomic<bool>& cancel,
                      const DigestProgress& progress);

}  // namespace md5sum
