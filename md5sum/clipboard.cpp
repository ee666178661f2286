#include "md5sum/clipboard.h"

#include <cstring>

#include "runtime/win32/handles.h"

namespace {

class ScopedClipboard {
 public:
  explicit ScopedClipboard(HWND owner) noexcept : open_(::OpenClipboard(owner) != FALSE) {}
  ScopedClipboard(const ScopedClipboard&) = delete;
  ScopedClipboard& operator=(const ScopedClipboard&) = delete;
  ~ScopedClipboard() {
    if (open_) ::CloseClipboard();
  }

  bool open() const noexcept { return open_; }

 private:
  bool open_;
};

runtime::win32::ScopedGlobalFree GlobalCopy(const std::wstring& text) {
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  runtime::win32::ScopedGlobalFree memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) return memory;
  void* target = ::GlobalLock(memory.get());
  if (target == nullptr) return {};
  std::memcpy(target, text.c_str(), bytes);
  ::GlobalUnlock(memory.get());
  return memory;
}

}  // namespace

bool CopyToClipboard(HWND owner, const std::wstring& text) {
  runtime::win32::ScopedGlobalFree memory = GlobalCopy(text);
  if (!memory) return false;
  const ScopedClipboard clipboard(owner);
  if (!clipboard.open() || !::EmptyClipboard()) return false;
  if (::SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) return false;
  // From here on the clipboard owns the memory.
  memory.release();
  return true;
}
