#pragma once

#include <windows.h>

#include <string>

namespace runtime::win32 {

struct InputBoxRequest {
  std::wstring prompt;
  std::wstring title;
  std::wstring default_text;
  POINT position{};  // the dialog's outer upper-left corner, in screen pixels
};

// Asks for one line of text in a dialog modal to `owner`. The entered text after OK;
// the empty text after Cancel, Escape or closing.
std::wstring AskForText(HINSTANCE instance, HWND owner, const InputBoxRequest& request);

}  // namespace runtime::win32
