#include "md5sum/console_mode.h"

#include <atomic>

#include "md5sum/file_digest.h"
#include "md5sum/result_lines.h"

namespace md5sum {

int RunInConsole(const std::vector<std::wstring>& names, const ConsoleOutput& output) {
  if (names.empty()) {
    output.PrintErrorLine(L"usage: md5sum.exe FILE...");
    return 1;
  }
  const std::atomic<bool> never_cancelled{false};
  ReadBuffer buffer;
  int status = 0;
  for (const std::wstring& name : names) {
    const FileDigest digest = DigestFile(name, buffer, never_cancelled, [](int) {});
    if (digest.read) {
      // Where nothing more can be written, reading on is of no use.
      if (!output.PrintLine(ChecksumLine(name, digest.checksum))) return 1;
    } else {
      output.PrintErrorLine(ConsoleErrorLine(name, digest.error));
      status = 1;
    }
  }
  return status;
}

}  // namespace md5sum
