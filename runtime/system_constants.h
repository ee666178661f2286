#pragma once

#include <cstdint>

namespace runtime {

// Numbers of the system that portable code passes through the platform, named as
// <windows.h> names them; runtime/win32/system_constants_check.cpp holds them to it.

// ShowWindow and ShellExecute
constexpr int kShowNormal = 1;  // SW_SHOWNORMAL

// MessageBox styles
constexpr int kMessageBoxOk = 0;          // MB_OK
constexpr int kMessageBoxIconError = 16;  // MB_ICONERROR

// CombineRgn modes
constexpr int kRgnCopy = 5;  // RGN_COPY

// Messages and their arguments
constexpr unsigned kNonClientLeftButtonDown = 0xA1;  // WM_NCLBUTTONDOWN
constexpr std::uintptr_t kHitCaption = 2;            // HTCAPTION, a WM_NCHITTEST answer

// Fonts
constexpr int kFontWeightNormal = 400;  // FW_NORMAL
constexpr int kFontWeightBold = 700;    // FW_BOLD
constexpr int kAnsiCharset = 0;         // ANSI_CHARSET

}  // namespace runtime
