#pragma once

#include <windows.h>

#include <string>

namespace md5sum {

// Puts the text alone on the clipboard, as Unicode text. ERROR_SUCCESS when it is there,
// else the system's error code, as when the clipboard is held by another program or
// memory runs out.
DWORD CopyToClipboard(HWND owner, const std::wstring& text);

}  // namespace md5sum
