#pragma once

#include <windows.h>

#include <utility>

#include "runtime/geometry.h"
#include "runtime/platform.h"
#include "runtime/win32/handles.h"

namespace runtime::win32 {

// Width and height of a bitmap in pixels; empty when it cannot be had.
Size BitmapSize(HBITMAP bitmap);

// A picture loaded from a file, held as a bitmap until a control takes it.
class BitmapPicture final : public Picture {
 public:
  explicit BitmapPicture(ScopedDeleteObject<HBITMAP> bitmap) : bitmap_(std::move(bitmap)) {}

  Size Dimensions() const override { return BitmapSize(bitmap_.get()); }
  ScopedDeleteObject<HBITMAP> TakeBitmap() { return std::move(bitmap_); }

 private:
  ScopedDeleteObject<HBITMAP> bitmap_;
};

}  // namespace runtime::win32
