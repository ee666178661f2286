#include "md5sum/clipboard.h"

#include <cstring>
#include <utility>

namespace {

// Memory for the clipboard: freed here unless the clipboard took it.
class ScopedGlobalMemory {
 public:
  explicit ScopedGlobalMemory(HGLOBAL memory) noexcept : memory_(memory) {}
  ScopedGlobalMemory(ScopedGlobalMemory&& other) noexcept : memory_(std::exchange(other.memory_, nullptr)) {}
  ScopedGlobalMemory& operator=(ScopedGlobalMemory&&) = delete;
  ScopedGlobalMemory(const ScopedGlobalMemory&) = delete;
  ScopedGlobalMemory& operator=(const ScopedGlobalMemory&) = delete;
  ~ScopedGlobalMemory() {
    if (memory_ != nullptr) ::GlobalFree(memory_);
  }

  HGLOBAL get() const noexcept { return memory_; }
  explicit operator bool() const noexcept { return memory_ != nullptr; }
  void HandOver() noexcept { memory_ = nullptr; }

 private:
  HGLOBAL memory_;
};

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

ScopedGlobalMemory GlobalCopy(const std::wstring& text) {
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  ScopedGlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) return memory;
  void* target = ::GlobalLock(memory.get());
  if (target == nullptr) return ScopedGlobalMemory(nullptr);
  std::memcpy(target, text.c_str(), bytes);
  ::GlobalUnlock(memory.get());
  return memory;
}

}  // namespace

bool CopyToClipboard(HWND owner, const std::wstring& text) {
  ScopedGlobalMemory memory = GlobalCopy(text);
  if (!memory) return false;
  const ScopedClipboard clipboard(owner);
  if (!clipboard.open() || !::EmptyClipboard()) return false;
  if (::SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) return false;
  // From here on the clipboard owns the memory.
  memory.HandOver();
  return true;
}
