#pragma once

#include <string>
#include <vector>

#include "md5sum/console_output.h"

namespace md5sum {

// Prints one md5sum line per file, and an error line for each file that cannot be read.
// Returns the exit status: 0 when every file was read, else 1.
int RunInConsole(const std::vector<std::wstring>& names, const ConsoleOutput& output);

}  // namespace md5sum
