#include "md5sum/clipboard.h"

#include <cstring>

#include "base/win32/handles.h"

namespace md5sum {

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

}  // namespace

// Each failure's code is taken as its call returns: the wrappers' destructors, which run
// after it (CloseClipboard, GlobalFree), may set another.
DWORD CopyToClipboard(HWND owner, const std::wstring& text) {
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  base::win32::ScopedGlobalFree memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) return ::GetLastError();
  void* target = ::GlobalLock(memory.get());
  if (target == nullptr) return ::GetLastError();
  std::memcpy(target, text.c_str(), bytes);
  ::GlobalUnlock(memory.get());

  const ScopedClipboard clipboard(owner);
  if (!clipboard.open() || !::EmptyClipboard()) return ::GetLastError();
  if (::SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) return ::GetLastError();
  // From here on the clipboard owns the memory.
  memory.release();
  return ERROR_SUCCESS;
}

}  // namespace md5sum
