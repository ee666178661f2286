#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "runtime/form_definition.h"
#include "runtime/form_events.h"

namespace runtime {

// Opaque values of the system; portable code only passes them on.
using RegionHandle = std::uintptr_t;
using WindowHandle = std::uintptr_t;
// A loaded picture; the system keeps it until a control takes it.
using PictureHandle = std::uintptr_t;
constexpr PictureHandle kNoPicture = 0;

// A file opened for sequential reading; closed when destroyed.
class ByteStream {
 public:
  virtual ~ByteStream() = default;
  // Fills up to `size` bytes; 0 means the end of the file or a failed read.
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

// Text that the system receives as a null pointer when absent.
using OptionalText = std::optional<std::wstring>;

// Everything the window's code asks of the system. Texts are UTF-16 and reach the system
// as they are; only GetSystemDirectoryA works on bytes in the system code page.
class Platform {
 public:
  virtual ~Platform() = default;

  // Screen
  virtual float TwipsPerPixelX() = 0;
  virtual float TwipsPerPixelY() = 0;

  // gdi32 regions
  virtual RegionHandle CreateRectRgn(int left, int top, int right, int bottom) = 0;
  virtual RegionHandle CreateEllipticRgn(int left, int top, int right, int bottom) = 0;
  virtual int CombineRgn(RegionHandle destination, RegionHandle source1, RegionHandle source2,
                         int mode) = 0;
  virtual bool DeleteObject(RegionHandle object) = 0;

  // user32
  virtual WindowHandle FormWindow() = 0;
  virtual int SetWindowRgn(WindowHandle window, RegionHandle region, bool redraw) = 0;
  virtual bool ReleaseCapture() = 0;
  virtual std::intptr_t SendMessageA(WindowHandle window, unsigned message, std::uintptr_t wparam,
                                     std::intptr_t lparam) = 0;

  // shell32
  virtual std::intptr_t ShellExecuteW(WindowHandle owner, const OptionalText& verb,
                                      const OptionalText& file, const OptionalText& parameters,
                                      const OptionalText& directory, int show_command) = 0;

  // kernel32: fills `buffer` in place, as the system call fills its byte buffer.
  virtual std::uint32_t GetSystemDirectoryA(std::string& buffer, std::uint32_t size) = 0;

  // Exact conversions between UTF-16 and the system code page. A text holding anything
  // that has no exact equal on the other side (a character the code page lacks, a byte
  // sequence it does not define) converts to the empty text, which names nothing: a
  // look-alike or a "?" would name a different file.
  virtual std::string WideToAnsi(const std::wstring& text) = 0;
  virtual std::wstring AnsiToWide(const std::string& text) = 0;
  virtual std::wstring UpperCase(const std::wstring& text) = 0;

  // Files
  virtual std::wstring ProgramDirectory() = 0;
  // Length in bytes, or nothing when it cannot be had (missing, a folder, a bad name).
  virtual std::optional<std::int64_t> FileLength(const std::wstring& path) = 0;
  // Null when the file cannot be opened.
  virtual std::unique_ptr<ByteStream> OpenForReading(const std::wstring& path) = 0;
  // kNoPicture when the file is not a picture that can be loaded.
  virtual PictureHandle LoadPicture(const std::wstring& path) = 0;

  // The form's controls, named by their index in the stacking order. A picture control
  // takes the picture and its size; a handle LoadPicture did not give shows no picture.
  virtual void SetPicture(ControlIndex control, PictureHandle picture) = 0;
  virtual void SetCaption(ControlIndex control, const std::wstring& caption) = 0;
  virtual void SetForeColor(ControlIndex control, ColorRef color) = 0;
  virtual void UnloadForm() = 0;
  // Closes the form's window, and the message loop ends with `exit_status`.
  virtual void EndProgram(int exit_status) = 0;

  // Modal dialogs
  virtual void ShowMessage(const std::wstring& text, int style, const std::wstring& title) = 0;
  // The entered text after OK; the empty text after Cancel or closing. Position in twips.
  virtual std::wstring InputBox(const std::wstring& prompt, const std::wstring& title,
                                const std::wstring& default_text, int left, int top) = 0;
};

}  // namespace runtime
