#include "md5sum/digest_worker.h"

namespace {

// Room for 0 to 100.
constexpr unsigned kPercentBits = 7;
constexpr std::uint64_t kPercentMask = (std::uint64_t{1} << kPercentBits) - 1;

}  // namespace

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
DigestWorker::Progress DigestWorker::progress() const {
  const std::uint64_t value = progress_.load(std::memory_order_acquire);
  return Progress{static_cast<std::size_t>(value >> kPercentBits),
                  static_cast<int>(value & kPercentMask)};
}

void DigestWorker::Publish(std::size_t finished, int percent) {
  progress_.store(
      (static_cast<std::uint64_t>(finished) << kPercentBits) | static_cast<std::uint64_t>(percent),
      std::memory_order_release);
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
