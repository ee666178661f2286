#pragma once

#include <atomic>
#include <functional>
#include <string>

struct FileDigest {
  bool read = false;
  std::wstring checksum;  // 32 lower-case hex digits once the file was read
  std::wstring error;     // why it was not read, otherwise
};

// Called with the share read so far, 0 to 100, each time it changes.
using DigestProgress = std::function<void(int percent)>;

// Reads the file in large chunks, never whole, and digests it with the system's MD5.
// Setting `cancel` stops the reading after the current chunk.
FileDigest DigestFile(const std::wstring& name, const std::atomic<bool>& cancel,
                      const DigestProgress& progress);
