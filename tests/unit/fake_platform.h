#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "runtime/geometry.h"
#include "runtime/platform.h"

namespace talqo_test {

// A platform that records its calls as lines of text ("Name(arg,arg)") and answers from
// scripted state. Texts in the record are quoted; absent texts show as null. The pure
// queries are not recorded: twips per pixel, the two text conversions and the program's
// directory change nothing, and a test sees their answers in the calls that use them.
class FakePlatform : public runtime::Platform {
 public:
  // Scripted state.
  float twips_per_pixel_x = 15;
  float twips_per_pixel_y = 15;
  std::wstring program_directory = L"C:\\Apps\\Talqo";
  std::map<std::wstring, std::string> files;            // path -> contents
  std::set<std::wstring> folders;                       // paths whose length cannot be had
  std::set<std::wstring> unreadable;                    // exist, but cannot be opened
  std::map<std::wstring, runtime::Size> pictures;       // loadable picture files
  std::wstring system_directory = L"C:\\Windows\\system32";
  // What the system call writes in place of the code page's form of system_directory.
  std::optional<std::string> system_directory_bytes;
  enum class SystemDirectoryCall { kSucceeds, kFailsUntouched, kFailsAfterWriting };
  SystemDirectoryCall system_directory_call = SystemDirectoryCall::kSucceeds;
  std::wstring input_box_answer;

  // What happened.
  std::vector<std::wstring> calls;
  std::map<runtime::ControlIndex, runtime::Size> control_pictures;
  std::map<runtime::ControlIndex, std::wstring> captions;
  std::vector<std::wstring> opened_files;
  std::size_t bytes_read = 0;
  bool unloaded = false;

  static constexpr runtime::WindowHandle kWindow = 0x1234;

  // Calls whose name starts with the prefix, in order.
  std::vector<std::wstring> CallsNamed(const std::wstring& prefix) const;

  float TwipsPerPixelX() override;
  float TwipsPerPixelY() override;
  runtime::RegionHandle CreateRectRgn(int left, int top, int right, int bottom) override;
  runtime::RegionHandle CreateEllipticRgn(int left, int top, int right, int bottom) override;
  int CombineRgn(runtime::RegionHandle destination, runtime::RegionHandle source1,
                 runtime::RegionHandle source2, int mode) override;
  bool DeleteObject(runtime::RegionHandle object) override;
  runtime::WindowHandle FormWindow() override;
  int SetWindowRgn(runtime::WindowHandle window, runtime::RegionHandle region, bool redraw) override;
  bool ReleaseCapture() override;
  std::intptr_t SendMessageA(runtime::WindowHandle window, unsigned message, std::uintptr_t wparam,
                             std::intptr_t lparam) override;
  std::intptr_t ShellExecuteW(runtime::WindowHandle owner, const runtime::OptionalText& verb,
                              const runtime::OptionalText& file,
                              const runtime::OptionalText& parameters,
                              const runtime::OptionalText& directory, int show_command) override;
  std::uint32_t GetSystemDirectoryA(std::string& buffer, std::uint32_t size) override;
  std::string WideToAnsi(const std::wstring& text) override;
  std::wstring AnsiToWide(const std::string& text) override;
  std::wstring UpperCase(const std::wstring& text) override;
  std::wstring ProgramDirectory() override;
  std::optional<std::int64_t> FileLength(const std::wstring& path) override;
  std::unique_ptr<runtime::ByteStream> OpenForReading(const std::wstring& path) override;
  runtime::PictureHandle LoadPicture(const std::wstring& path) override;
  void SetPicture(runtime::ControlIndex control, runtime::PictureHandle picture) override;
  void SetCaption(runtime::ControlIndex control, const std::wstring& caption) override;
  void SetForeColor(runtime::ControlIndex control, runtime::ColorRef color) override;
  void UnloadForm() override;
  void EndProgram(int exit_status) override;
  void ShowMessage(const std::wstring& text, int style, const std::wstring& title) override;
  std::wstring InputBox(const std::wstring& prompt, const std::wstring& title,
                        const std::wstring& default_text, int left, int top) override;

 private:
  void Record(const std::wstring& call) { calls.push_back(call); }
  runtime::RegionHandle next_region_ = 0x100;
  runtime::PictureHandle next_picture_ = 0x200;
  std::map<runtime::PictureHandle, runtime::Size> loaded_picture_sizes_;
};

// The fake's code page: ASCII as one byte, every other character below U+8000 whose low
// byte is not 0 as two bytes, so byte counts and character counts differ as in a
// double-byte code page. It lacks every other character; a lead byte (0x80 and up) that
// has no byte or a 0 byte after it is a sequence it does not define.
std::string FakeAnsi(const std::wstring& text);

// Quoted text as the record shows it.
std::wstring Quoted(const std::wstring& text);

}  // namespace talqo_test
