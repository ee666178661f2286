#include "runtime/win32/win32_platform.h"

#include <shellapi.h>

#include <algorithm>

namespace runtime::win32 {

namespace {

HRGN ToRegion(RegionHandle region) { return reinterpret_cast<HRGN>(region); }
RegionHandle FromRegion(HRGN region) { return reinterpret_cast<RegionHandle>(region); }
HWND ToWindow(WindowHandle window) { return reinterpret_cast<HWND>(window); }

}  // namespace

float Win32Platform::TwipsPerPixelX() { return window_.TwipsPerPixelX(); }

float Win32Platform::TwipsPerPixelY() { return window_.TwipsPerPixelY(); }

RegionHandle Win32Platform::CreateRectRgn(int left, int top, int right, int bottom) {
  return FromRegion(::CreateRectRgn(left, top, right, bottom));
}

RegionHandle Win32Platform::CreateEllipticRgn(int left, int top, int right, int bottom) {
  return FromRegion(::CreateEllipticRgn(left, top, right, bottom));
}

int Win32Platform::CombineRgn(RegionHandle destination, RegionHandle source1,
                              RegionHandle source2, int mode) {
  return ::CombineRgn(ToRegion(destination), ToRegion(source1), ToRegion(source2), mode);
}

bool Win32Platform::DeleteObject(RegionHandle object) {
  return ::DeleteObject(ToRegion(object)) != FALSE;
}

WindowHandle Win32Platform::FormWindow() {
  return reinterpret_cast<WindowHandle>(window_.Handle());
}

int Win32Platform::SetWindowRgn(WindowHandle window, RegionHandle region, bool redraw) {
  return ::SetWindowRgn(ToWindow(window), ToRegion(region), redraw ? TRUE : FALSE);
}

bool Win32Platform::ReleaseCapture() { return ::ReleaseCapture() != FALSE; }

std::intptr_t Win32Platform::SendMessageA(WindowHandle window, unsigned message,
                                          std::uintptr_t wparam, std::intptr_t lparam) {
  return ::SendMessageA(ToWindow(window), message, static_cast<WPARAM>(wparam),
                        static_cast<LPARAM>(lparam));
}

std::intptr_t Win32Platform::ShellExecuteW(WindowHandle owner, const OptionalText& verb,
                                           const OptionalText& file,
                                           const OptionalText& parameters,
                                           const OptionalText& directory, int show_command) {
  const auto pointer = [](const OptionalText& text) { return text ? text->c_str() : nullptr; };
  const HINSTANCE result = ::ShellExecuteW(ToWindow(owner), pointer(verb), pointer(file),
                                           pointer(parameters), pointer(directory), show_command);
  return reinterpret_cast<std::intptr_t>(result);
}

std::uint32_t Win32Platform::GetSystemDirectoryA(std::string& buffer, std::uint32_t size) {
  // The system trusts the size it is told; never tell it more than the buffer holds.
  const UINT capacity = static_cast<UINT>(std::min<std::size_t>(size, buffer.size()));
  return ::GetSystemDirectoryA(buffer.data(), capacity);
}

}  // namespace runtime::win32
