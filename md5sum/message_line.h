#pragma once

#include <string>

namespace md5sum {

// The system's text for an error code as a line of the window or the console: each line
// break inside it, with the blanks around it, becomes one blank, and the line end after
// it goes. "Error N" when the system has no text for the code.
std::wstring MessageLine(unsigned long error, const std::wstring& system_text);

}  // namespace md5sum
