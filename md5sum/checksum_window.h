#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace md5sum {

// Shows the checksums of the files in a window of their own until the person closes
// it: a read-only field with one line per file, the first checksum selected, and a
// Copy button for it. Returns the exit status: 0 when every file was read, else 1.
int RunInWindow(HINSTANCE instance, const std::vector<std::wstring>& names);

}  // namespace md5sum
