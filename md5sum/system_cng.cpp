#include "md5sum/system_cng.h"

#include "base/win32/dll_search.h"

namespace md5sum {

namespace {

constexpr wchar_t kCngDll[] = L"bcrypt.dll";

// True when the module exports the function; `function` then points to it.
template <typename Function>
bool Find(HMODULE module, const char* name, Function& function) {
  const FARPROC address = ::GetProcAddress(module, name);
  if (address == nullptr) return false;
  // Through a function pointer type of no arguments, which any function pointer converts
  // to and from without a warning.
  function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
  return true;
}

class CngLibrary {
 public:
  CngLibrary() {
    // Never freed: the DLL stays until the process ends, which takes it along. Freed by a
    // static's destructor, it would go inside exit(), while threads that the system started
    // in the process still run, through a full unload that tears down what it set up (under
    // Wine, the library beneath its cryptography as well) for a process about to end.
    const HMODULE module = base::win32::LoadSystemDll(kCngDll).release();
    found_ = module != nullptr &&
             Find(module, "BCryptOpenAlgorithmProvider", functions_.open_algorithm_provider) &&
             Find(module, "BCryptCloseAlgorithmProvider", functions_.close_algorithm_provider) &&
             Find(module, "BCryptCreateHash", functions_.create_hash) &&
             Find(module, "BCryptHashData", functions_.hash_data) &&
             Find(module, "BCryptFinishHash", functions_.finish_hash) &&
             Find(module, "BCryptDestroyHash", functions_.destroy_hash);
  }

  const CngFunctions* functions() const { return found_ ? &functions_ : nullptr; }

 private:
  CngFunctions functions_;
  bool found_ = false;
};

}  // namespace

const CngFunctions* SystemCng() {
  // Initialised once even when several threads ask at the same time, and not before the
  // first digest: by then main has restricted the DLL search.
  static const CngLibrary library;
  return library.functions();
}

}  // namespace md5sum
