#include "runtime/win32/win32_platform.h"

#include "runtime/twips.h"
#include "runtime/win32/input_box.h"

namespace runtime::win32 {

// A visible form is the owner, so it stays disabled while the box is open; before it is
// shown (during Load) the box stands on its own.
void Win32Platform::ShowMessage(const std::wstring& text, int style, const std::wstring& title) {
  const HWND owner = window_.IsVisible() ? window_.Handle() : nullptr;
  ::MessageBoxW(owner, text.c_str(), title.c_str(), static_cast<UINT>(style));
}

std::wstring Win32Platform::InputBox(const std::wstring& prompt, const std::wstring& title,
                                     const std::wstring& default_text, int left, int top) {
  const InputBoxRequest request{
      prompt, title, default_text,
      POINT{TwipsToPixels(left, TwipsPerPixelX()), TwipsToPixels(top, TwipsPerPixelY())}};
  return AskForText(instance_, window_.Handle(), request);
}

}  // namespace runtime::win32
