#pragma once

#include <windows.h>

#include <utility>

namespace base::win32 {

// Owns one system handle and hands it back to the system through Traits::Release.
template <typename Handle, typename Traits>
class ScopedHandle {
 public:
  ScopedHandle() = default;
  explicit ScopedHandle(Handle handle) noexcept : handle_(handle) {}
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) {
      ReleaseOwned();
      handle_ = std::exchange(other.handle_, Handle{});
    }
    return *this;
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ~ScopedHandle() { ReleaseOwned(); }

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return Traits::IsValid(handle_); }
  // For a handle that something else owns from now on.
  Handle release() noexcept { return std::exchange(handle_, Handle{}); }

 private:
  void ReleaseOwned() noexcept {
    if (Traits::IsValid(handle_)) Traits::Release(handle_);
  }

  Handle handle_{};
};

struct CloseHandleTraits {
  static bool IsValid(HANDLE handle) noexcept {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
  }
  static void Release(HANDLE handle) noexcept { ::CloseHandle(handle); }
};

struct DeleteObjectTraits {
  static bool IsValid(HGDIOBJ object) noexcept { return object != nullptr; }
  static void Release(HGDIOBJ object) noexcept { ::DeleteObject(object); }
};

struct DeleteDCTraits {
  static bool IsValid(HDC dc) noexcept { return dc != nullptr; }
  static void Release(HDC dc) noexcept { ::DeleteDC(dc); }
};

// Memory that a system call allocated for its caller (FormatMessageW, CommandLineToArgvW).
struct LocalFreeTraits {
  static bool IsValid(const void* memory) noexcept { return memory != nullptr; }
  static void Release(void* memory) noexcept { ::LocalFree(memory); }
};

struct GlobalFreeTraits {
  static bool IsValid(HGLOBAL memory) noexcept { return memory != nullptr; }
  static void Release(HGLOBAL memory) noexcept { ::GlobalFree(memory); }
};

struct FreeLibraryTraits {
  static bool IsValid(HMODULE module) noexcept { return module != nullptr; }
  static void Release(HMODULE module) noexcept { ::FreeLibrary(module); }
};

using ScopedCloseHandle = ScopedHandle<HANDLE, CloseHandleTraits>;
using ScopedFreeLibrary = ScopedHandle<HMODULE, FreeLibraryTraits>;
template <typename Pointer>
using ScopedLocalFree = ScopedHandle<Pointer, LocalFreeTraits>;
using ScopedGlobalFree = ScopedHandle<HGLOBAL, GlobalFreeTraits>;
template <typename GdiObject>
using ScopedDeleteObject = ScopedHandle<GdiObject, DeleteObjectTraits>;
using ScopedDeleteDC = ScopedHandle<HDC, DeleteDCTraits>;

// A window's (or, for no window, the screen's) device context for the current scope.
class ScopedReleaseDC {
 public:
  explicit ScopedReleaseDC(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
  ScopedReleaseDC(const ScopedReleaseDC&) = delete;
  ScopedReleaseDC& operator=(const ScopedReleaseDC&) = delete;
  ~ScopedReleaseDC() {
    if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
  }

  HDC get() const noexcept { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Answers WM_PAINT: the device context limited to the part that needs painting.
class ScopedEndPaint {
 public:
  explicit ScopedEndPaint(HWND window) noexcept
      : window_(window), dc_(::BeginPaint(window, &paint_)) {}
  ScopedEndPaint(const ScopedEndPaint&) = delete;
  ScopedEndPaint& operator=(const ScopedEndPaint&) = delete;
  ~ScopedEndPaint() { ::EndPaint(window_, &paint_); }

  HDC get() const noexcept { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Selects an object into a device context and puts the previous one back.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object) noexcept
      : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
  ~ScopedSelectObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Leaves a device context's colours, modes and selected objects as they were found.
class ScopedRestoreDC {
 public:
  explicit ScopedRestoreDC(HDC dc) noexcept : dc_(dc), saved_(::SaveDC(dc)) {}
  ScopedRestoreDC(const ScopedRestoreDC&) = delete;
  ScopedRestoreDC& operator=(const ScopedRestoreDC&) = delete;
  ~ScopedRestoreDC() {
    if (saved_ != 0) ::RestoreDC(dc_, saved_);
  }

 private:
  HDC dc_;
  int saved_;
};

}  // namespace base::win32
