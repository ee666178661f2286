#pragma once

#include <string>

namespace base::win32 {

// The full path of the running program's executable; empty when the system cannot tell.
std::wstring ProgramPath();

// The folder that holds the running program's executable, without a closing backslash;
// empty when the system cannot tell.
std::wstring ProgramFolder();

}  // namespace base::win32
