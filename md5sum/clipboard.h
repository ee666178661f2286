#pragma once

#include <windows.h>

#include <string>

// Puts the text alone on the clipboard, as Unicode text. False when the clipboard is
// held by another program or memory runs out.
bool CopyToClipboard(HWND owner, const std::wstring& text);
