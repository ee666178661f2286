#pragma once

#include <string>
#include <vector>

namespace md5sum {

// The file names on the program's command line, read as UTF-16 so that names outside
// the ANSI code page arrive whole; the program's own name is not among them.
std::vector<std::wstring> FileNamesFromCommandLine();

}  // namespace md5sum
