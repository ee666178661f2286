#include "fake_platform.h"

#include <algorithm>
#include <cwctype>

namespace talqo_test {

namespace {

std::wstring Num(long long value) { return std::to_wstring(value); }

bool InFakeCodePage(wchar_t c) { return c < 0x80 || (c < 0x8000 && (c & 0xFF) != 0); }

std::wstring Text(const runtime::OptionalText& text) { return text ? Quoted(*text) : L"null"; }

class MemoryStream : public runtime::ByteStream {
 public:
  MemoryStream(const std::string& data, std::size_t& bytes_read) : data_(data), bytes_read_(bytes_read) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    const std::size_t n = std::min(size, data_.size() - position_);
    std::copy_n(data_.data() + position_, n, buffer);
    position_ += n;
    bytes_read_ += n;
    return n;
  }

 private:
  const std::string data_;
  std::size_t position_ = 0;
  std::size_t& bytes_read_;
};

}  // namespace

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

std::string FakeAnsi(const std::wstring& text) {
  std::string bytes;
  for (wchar_t c : text) {
    if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else {
      bytes += static_cast<char>(0x80 | ((c >> 8) & 0x7F));
      bytes += static_cast<char>(c & 0xFF);
    }
  }
  return bytes;
}

std::vector<std::wstring> FakePlatform::CallsNamed(const std::wstring& prefix) const {
  std::vector<std::wstring> named;
  for (const std::wstring& call : calls) {
    if (call.compare(0, prefix.size(), prefix) == 0) named.push_back(call);
  }
  return named;
}

float FakePlatform::TwipsPerPixelX() { return twips_per_pixel_x; }
float FakePlatform::TwipsPerPixelY() { return twips_per_pixel_y; }

runtime::RegionHandle FakePlatform::CreateRectRgn(int left, int top, int right, int bottom) {
  const runtime::RegionHandle handle = next_region_++;
  Record(L"CreateRectRgn(" + Num(left) + L"," + Num(top) + L"," + Num(right) + L"," + Num(bottom) +
         L")=" + Num(static_cast<long long>(handle)));
  return handle;
}

runtime::RegionHandle FakePlatform::CreateEllipticRgn(int left, int top, int right, int bottom) {
  const runtime::RegionHandle handle = next_region_++;
  Record(L"CreateEllipticRgn(" + Num(left) + L"," + Num(top) + L"," + Num(right) + L"," +
         Num(bottom) + L")=" + Num(static_cast<long long>(handle)));
  return handle;
}

int FakePlatform::CombineRgn(runtime::RegionHandle destination, runtime::RegionHandle source1,
                             runtime::RegionHandle source2, int mode) {
  Record(L"CombineRgn(" + Num(static_cast<long long>(destination)) + L"," +
         Num(static_cast<long long>(source1)) + L"," + Num(static_cast<long long>(source2)) + L"," +
         Num(mode) + L")");
  return 2;
}

bool FakePlatform::DeleteObject(runtime::RegionHandle object) {
  Record(L"DeleteObject(" + Num(static_cast<long long>(object)) + L")");
  return true;
}

runtime::WindowHandle FakePlatform::FormWindow() {
  Record(L"FormWindow()");
  return kWindow;
}

int FakePlatform::SetWindowRgn(runtime::WindowHandle window, runtime::RegionHandle region, bool redraw) {
  Record(L"SetWindowRgn(" + Num(static_cast<long long>(window)) + L"," +
         Num(static_cast<long long>(region)) + L"," + (redraw ? L"true" : L"false") + L")");
  return 1;
}

bool FakePlatform::ReleaseCapture() {
  Record(L"ReleaseCapture()");
  return true;
}

std::intptr_t FakePlatform::SendMessageA(runtime::WindowHandle window, unsigned message,
                                         std::uintptr_t wparam, std::intptr_t lparam) {
  Record(L"SendMessageA(" + Num(static_cast<long long>(window)) + L"," + Num(message) + L"," +
         Num(static_cast<long long>(wparam)) + L"," + Num(lparam) + L")");
  return 0;
}

std::intptr_t FakePlatform::ShellExecuteW(runtime::WindowHandle owner, const runtime::OptionalText& verb,
                                          const runtime::OptionalText& file,
                                          const runtime::OptionalText& parameters,
                                          const runtime::OptionalText& directory, int show_command) {
  Record(L"ShellExecuteW(" + Num(static_cast<long long>(owner)) + L"," + Text(verb) + L"," + Text(file) +
         L"," + Text(parameters) + L"," + Text(directory) + L"," + Num(show_command) + L")");
  return 42;
}

std::uint32_t FakePlatform::GetSystemDirectoryA(std::string& buffer, std::uint32_t size) {
  Record(L"GetSystemDirectoryA(" + Num(static_cast<long long>(buffer.size())) + L"," + Num(size) + L")");
  if (system_directory_call == SystemDirectoryCall::kFailsUntouched) return 0;
  const std::string path = system_directory_bytes.value_or(FakeAnsi(system_directory));
  if (path.size() + 1 > size || size > buffer.size()) return static_cast<std::uint32_t>(path.size() + 1);
  std::copy(path.begin(), path.end(), buffer.begin());
  buffer[path.size()] = '\0';
  if (system_directory_call == SystemDirectoryCall::kFailsAfterWriting) return 0;
  return static_cast<std::uint32_t>(path.size());
}

std::string FakePlatform::WideToAnsi(const std::wstring& text) {
  if (!std::all_of(text.begin(), text.end(), InFakeCodePage)) return {};
  return FakeAnsi(text);
}

std::wstring FakePlatform::AnsiToWide(const std::string& text) {
  std::wstring wide;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      wide += static_cast<wchar_t>(lead);
      continue;
    }
    const unsigned char trail = i + 1 < text.size() ? static_cast<unsigned char>(text[++i]) : 0;
    if (trail == 0) return {};
    wide += static_cast<wchar_t>(((lead & 0x7F) << 8) | trail);
  }
  return wide;
}

std::wstring FakePlatform::UpperCase(const std::wstring& text) {
  Record(L"UpperCase(" + Quoted(text) + L")");
  std::wstring upper = text;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
  return upper;
}

std::wstring FakePlatform::ProgramDirectory() { return program_directory; }

std::optional<std::int64_t> FakePlatform::FileLength(const std::wstring& path) {
  Record(L"FileLength(" + Quoted(path) + L")");
  if (folders.count(path) != 0) return std::nullopt;
  const auto file = files.find(path);
  if (file == files.end()) return std::nullopt;
  return static_cast<std::int64_t>(file->second.size());
}

std::unique_ptr<runtime::ByteStream> FakePlatform::OpenForReading(const std::wstring& path) {
  Record(L"OpenForReading(" + Quoted(path) + L")");
  const auto file = files.find(path);
  if (file == files.end() || unreadable.count(path) != 0) return nullptr;
  opened_files.push_back(path);
  return std::make_unique<MemoryStream>(file->second, bytes_read);
}

runtime::PictureHandle FakePlatform::LoadPicture(const std::wstring& path) {
  Record(L"LoadPicture(" + Quoted(path) + L")");
  const auto picture = pictures.find(path);
  if (picture == pictures.end()) return runtime::kNoPicture;
  const runtime::PictureHandle handle = next_picture_++;
  loaded_picture_sizes_[handle] = picture->second;
  return handle;
}

void FakePlatform::SetPicture(runtime::ControlIndex control, runtime::PictureHandle picture) {
  const auto loaded = loaded_picture_sizes_.find(picture);
  const runtime::Size size =
      loaded != loaded_picture_sizes_.end() ? loaded->second : runtime::Size{};
  Record(L"SetPicture(" + Num(control) + L"," + Num(size.width) + L"x" + Num(size.height) + L")");
  control_pictures[control] = size;
}

void FakePlatform::SetCaption(runtime::ControlIndex control, const std::wstring& caption) {
  Record(L"SetCaption(" + Num(control) + L"," + Quoted(caption) + L")");
  captions[control] = caption;
}

void FakePlatform::SetForeColor(runtime::ControlIndex control, runtime::ColorRef color) {
  Record(L"SetForeColor(" + Num(control) + L"," + Num(color) + L")");
}

void FakePlatform::UnloadForm() {
  Record(L"UnloadForm()");
  unloaded = true;
}

void FakePlatform::EndProgram(int exit_status) { Record(L"EndProgram(" + Num(exit_status) + L")"); }

void FakePlatform::ShowMessage(const std::wstring& text, int style, const std::wstring& title) {
  Record(L"ShowMessage(" + Quoted(text) + L"," + Num(style) + L"," + Quoted(title) + L")");
}

std::wstring FakePlatform::InputBox(const std::wstring& prompt, const std::wstring& title,
                                    const std::wstring& default_text, int left, int top) {
  Record(L"InputBox(" + Quoted(prompt) + L"," + Quoted(title) + L"," + Quoted(default_text) + L"," +
         Num(left) + L"," + Num(top) + L")");
  return input_box_answer;
}

}  // namespace talqo_test
