#pragma once

#include <string>

namespace md5sum {

// What reading one file gave: its checksum, or why there is none.
struct FileDigest {
  bool read = false;
  std::wstring checksum;  // 32 lower-case hex digits once the file was read
  std::wstring error;     // why it was not read, otherwise
};

}  // namespace md5sum
