#include "runtime/win32/bitmap_picture.h"

namespace runtime::win32 {

Size BitmapSize(HBITMAP bitmap) {
  BITMAP description{};
  if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof description, &description) == 0) return {};
  return {description.bmWidth, description.bmHeight};
}

}  // namespace runtime::win32
