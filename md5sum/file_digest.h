#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "md5sum/file_digest_result.h"

// Called with the share read so far, 0 to 100, each time it changes.
using DigestProgress = std::function<void(int percent)>;

// Reads the file in large chunks, never whole, and digests it with the system's MD5.
// Setting `cancel` stops the reading after the current chunk.
FileDigest DigestFile(const std::wstring& name, const std::atomic<bool>& cancel,
                      const DigestProgress& progress);
