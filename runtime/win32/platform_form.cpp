#include "runtime/win32/win32_platform.h"

#include "runtime/win32/bitmap_picture.h"

namespace runtime::win32 {

// Pictures come only from LoadPicture, so any other kind is shown as no picture.
void Win32Platform::SetPicture(ControlIndex control, std::unique_ptr<Picture> picture) {
  auto* bitmap = dynamic_cast<BitmapPicture*>(picture.get());
  window_.SetPicture(control, bitmap != nullptr ? bitmap->TakeBitmap() : ScopedDeleteObject<HBITMAP>());
}

void Win32Platform::SetCaption(ControlIndex control, const std::wstring& caption) {
  window_.SetCaption(control, caption);
}

void Win32Platform::SetForeColor(ControlIndex control, ColorRef color) {
  window_.SetForeColor(control, color);
}

void Win32Platform::UnloadForm() { window_.Close(); }

}  // namespace runtime::win32
