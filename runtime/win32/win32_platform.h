#pragma once

#include <windows.h>

#include <map>

#include "base/win32/handles.h"
#include "runtime/platform.h"
#include "runtime/win32/form_window.h"

namespace runtime::win32 {

// The system operations of the form, each forwarded to the Win32 call it is named after.
class Win32Platform final : public Platform {
 public:
  Win32Platform(HINSTANCE instance, runtime::win32::FormWindow& window)
      : instance_(instance), window_(window) {}

  float TwipsPerPixelX() override;
  float TwipsPerPixelY() override;

  RegionHandle CreateRectRgn(int left, int top, int right, int bottom) override;
  RegionHandle CreateEllipticRgn(int left, int top, int right, int bottom) override;
  int CombineRgn(RegionHandle destination, RegionHandle source1, RegionHandle source2,
                 int mode) override;
  bool DeleteObject(RegionHandle object) override;

  WindowHandle FormWindow() override;
  int SetWindowRgn(WindowHandle window, RegionHandle region, bool redraw) override;
  bool ReleaseCapture() override;
  std::intptr_t SendMessageA(WindowHandle window, unsigned message, std::uintptr_t wparam,
                             std::intptr_t lparam) override;

  std::intptr_t ShellExecuteW(WindowHandle owner, const OptionalText& verb,
                              const OptionalText& file, const OptionalText& parameters,
                              const OptionalText& directory, int show_command) override;

  std::uint32_t GetSystemDirectoryA(std::string& buffer, std::uint32_t size) override;

  std::string WideToAnsi(const std::wstring& text) override;
  std::wstring AnsiToWide(const std::string& text) override;
  std::wstring UpperCase(const std::wstring& text) override;

  std::wstring ProgramDirectory() override;
  std::optional<std::int64_t> FileLength(const std::wstring& path) override;
  std::unique_ptr<ByteStream> OpenForReading(const std::wstring& path) override;
  PictureHandle LoadPicture(const std::wstring& path) override;

  void SetPicture(ControlIndex control, PictureHandle picture) override;
  void SetCaption(ControlIndex control, const std::wstring& caption) override;
  void SetForeColor(ControlIndex control, ColorRef color) override;
  void UnloadForm() override;
  void EndProgram(int exit_status) override;

  void ShowMessage(const std::wstring& text, int style, const std::wstring& title) override;
  std::wstring InputBox(const std::wstring& prompt, const std::wstring& title,
                        const std::wstring& default_text, int left, int top) override;

 private:
  HINSTANCE instance_;
  runtime::win32::FormWindow& window_;
  // Loaded and not yet taken by a control, by the handle each was given out as.
  std::map<PictureHandle, base::win32::ScopedDeleteObject<HBITMAP>> loaded_pictures_;
};

}  // namespace runtime::win32
