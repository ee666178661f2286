#pragma once

#include <string>

namespace md5sum {

// The system's own text for a Win32 error code, as a person would read it in a dialog,
// on one line.
std::wstring SystemMessage(unsigned long error);

}  // namespace md5sum
