#include "runtime/win32/win32_platform.h"

namespace runtime::win32 {

// The bitmap goes to the window with its ownership; a handle that is not among the loaded
// pictures (never given out, or already taken) shows as no picture.
void Win32Platform::SetPicture(ControlIndex control, PictureHandle picture) {
  base::win32::ScopedDeleteObject<HBITMAP> bitmap;
  const auto loaded = loaded_pictures_.find(picture);
  if (loaded != loaded_pictures_.end()) {
    bitmap = std::move(loaded->second);
    loaded_pictures_.erase(loaded);
  }
  window_.SetPicture(control, std::move(bitmap));
}

void Win32Platform::SetCaption(ControlIndex control, const std::wstring& caption) {
  window_.SetCaption(control, caption);
}

void Win32Platform::SetForeColor(ControlIndex control, ColorRef color) {
  window_.SetForeColor(control, color);
}

void Win32Platform::UnloadForm() { window_.Close(); }

void Win32Platform::EndProgram(int exit_status) { window_.EndProgram(exit_status); }

}  // namespace runtime::win32
