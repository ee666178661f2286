#include "md5sum/digest_worker.h"

namespace md5sum {

DigestWorker::DigestWorker(std::vector<std::wstring> names)
    : names_(std::move(names)), results_(names_.size()) {}

bool DigestWorker::Start() {
  thread_ =
      base::win32::ScopedCloseHandle(::CreateThread(nullptr, 0, &ThreadMain, this, 0, nullptr));
  return static_cast<bool>(thread_);
}

void DigestWorker::Stop() {
  Cancel();
  if (thread_) ::WaitForSingleObject(thread_.get(), INFINITE);
}

// Acquiring the value that a file's finish released makes its result visible here.
WorkerProgress DigestWorker::progress() const {
  return UnpackProgress(progress_.load(std::memory_order_acquire));
}

void DigestWorker::Publish(std::size_t finished, int percent) {
  progress_.store(PackProgress(WorkerProgress{finished, percent}), std::memory_order_release);
}

DWORD WINAPI DigestWorker::ThreadMain(LPVOID worker) {
  static_cast<DigestWorker*>(worker)->Run();
  return 0;
}

void DigestWorker::Run() {
  ReadBuffer buffer;
  for (std::size_t index = 0; index < names_.size() && !cancel_.load(); ++index) {
    results_[index] = DigestFile(names_[index], buffer, cancel_,
                                 [this, index](int percent) { Publish(index, percent); });
    Publish(index + 1, 0);
  }
}

}  // namespace md5sum
