#pragma once

#include <string>

namespace base::win32 {

// The text as UTF-8 bytes. A lone surrogate, which UTF-8 cannot hold, becomes U+FFFD.
std::string Utf8FromUtf16(const std::wstring& text);

}  // namespace base::win32
