#include "md5sum/digest_worker.h"

DigestWorker::DigestWorker(std::vector<std::wstring> names)
    : names_(std::move(names)), results_(names_.size()) {}

bool DigestWorker::Start(HWND window) {
  window_ = window;
  thread_ =
      runtime::win32::ScopedCloseHandle(::CreateThread(nullptr, 0, &ThreadMain, this, 0, nullptr));
  return static_cast<bool>(thread_);
}

void DigestWorker::Stop() {
  Cancel();
  if (thread_) ::WaitForSingleObject(thread_.get(), INFINITE);
}

DWORD WINAPI DigestWorker::ThreadMain(LPVOID worker) {
  static_cast<DigestWorker*>(worker)->Run();
  return 0;
}

// Once the window has gone the posts fail, which costs nothing.
void DigestWorker::Run() {
  for (std::size_t index = 0; index < names_.size() && !cancel_.load(); ++index) {
    results_[index] = DigestFile(names_[index], cancel_, [this, index](int percent) {
      ::PostMessageW(window_, kProgressMessage, index, percent);
    });
    finished_.store(index + 1, std::memory_order_release);
    ::PostMessageW(window_, kFileDoneMessage, index, 0);
  }
}
