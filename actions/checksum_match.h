#pragma once

#include <string>

namespace launcher {

// Whether the pasted answer is the expected checksum. Blanks, tabs and line ends around
// either text and the letter case of ASCII letters do not count; an empty answer never
// matches, since it means no check took place.
bool ChecksumsMatch(const std::wstring& answer, const std::wstring& expected);

}  // namespace launcher
