#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/win32/handles.h"
#include "md5sum/file_digest.h"
#include "md5sum/worker_progress.h"

namespace md5sum {

// Digests the files one after the other on a thread of its own and only publishes how
// far it got. The window takes that at its own pace: a message for each file would queue
// ahead of a person's input, since Windows hands out posted messages before input.
class DigestWorker {
 public:
  explicit DigestWorker(std::vector<std::wstring> names);
  DigestWorker(const DigestWorker&) = delete;
  DigestWorker& operator=(const DigestWorker&) = delete;
  ~DigestWorker() { Stop(); }

  // False, with the system's error code kept for the caller, when no thread started.
  bool Start();
  // The thread stops after its current chunk; Stop() waits for that.
  void Cancel() { cancel_.store(true); }
  void Stop();

  const std::vector<std::wstring>& names() const { return names_; }
  WorkerProgress progress() const;
  // The results of the files before this index are ready, and stay as they are.
  std::size_t finished() const { return progress().finished; }
  const FileDigest& result(std::size_t index) const { return results_[index]; }

 private:
  static DWORD WINAPI ThreadMain(LPVOID worker);
  void Run();
  void Publish(std::size_t finished, int percent);

  const std::vector<std::wstring> names_;
  std::vector<FileDigest> results_;
  // Both halves of the progress in one value, as PackProgress makes it.
  std::atomic<std::uint64_t> progress_{0};
  std::atomic<bool> cancel_{false};
  base::win32::ScopedCloseHandle thread_;
};

}  // namespace md5sum
