#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

#include "md5sum/file_digest.h"
#include "runtime/win32/handles.h"

// Digests the files one after the other on a thread of its own and tells a window how
// far it got by posted messages, so that the window keeps answering while a big file
// is read.
class DigestWorker {
 public:
  // wParam: the file's index; lParam: the share read so far, 0 to 100.
  static constexpr UINT kProgressMessage = WM_APP + 1;
  // wParam: the file's index; its result is ready.
  static constexpr UINT kFileDoneMessage = WM_APP + 2;

  explicit DigestWorker(std::vector<std::wstring> names);
  DigestWorker(const DigestWorker&) = delete;
  DigestWorker& operator=(const DigestWorker&) = delete;
  ~DigestWorker() { Stop(); }

  // False, with the system's error code kept for the caller, when no thread started.
  bool Start(HWND window);
  // The thread stops after its current chunk; Stop() waits for that.
  void Cancel() { cancel_.store(true); }
  void Stop();

  const std::vector<std::wstring>& names() const { return names_; }
  // The results of the files before this index are ready, and stay as they are.
  std::size_t finished() const { return finished_.load(std::memory_order_acquire); }
  const FileDigest& result(std::size_t index) const { return results_[index]; }

 private:
  static DWORD WINAPI ThreadMain(LPVOID worker);
  void Run();

  const std::vector<std::wstring> names_;
  std::vector<FileDigest> results_;
  std::atomic<std::size_t> finished_{0};
  std::atomic<bool> cancel_{false};
  HWND window_ = nullptr;
  runtime::win32::ScopedCloseHandle thread_;
};
