#pragma once

#include <string>

// The system's own text for a Win32 error code, as a person would read it in a dialog,
// without the line end the system puts after it.
std::wstring SystemMessage(unsigned long error);
