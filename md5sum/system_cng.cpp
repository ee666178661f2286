#include "md5sum/system_cng.h"

#include <string>

#include "runtime/win32/handles.h"

namespace {

struct FreeLibraryTraits {
  static bool IsValid(HMODULE module) noexcept { return module != nullptr; }
  static void Release(HMODULE module) noexcept { ::FreeLibrary(module); }
};
using ScopedFreeLibrary = runtime::win32::ScopedHandle<HMODULE, FreeLibraryTraits>;

constexpr wchar_t kCngDll[] = L"bcrypt.dll";

std::wstring SystemFolder() {
  const UINT size = ::GetSystemDirectoryW(nullptr, 0);
  if (size == 0) return {};
  std::wstring folder(size, L'\0');
  const UINT length = ::GetSystemDirectoryW(folder.data(), size);
  if (length == 0 || length >= size) return {};
  folder.resize(length);
  return folder;
}

ScopedFreeLibrary LoadFromSystemFolder(const wchar_t* name) {
  ScopedFreeLibrary module(::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  if (module || ::GetLastError() != ERROR_INVALID_PARAMETER) return module;
  // Windows 7 without update KB2533623 rejects the flag as unknown. A full path is looked
  // for nowhere else, and LOAD_WITH_ALTERED_SEARCH_PATH looks for the DLL's own imports in
  // its folder first rather than in the program's.
  const std::wstring folder = SystemFolder();
  if (folder.empty()) return {};
  const std::wstring path = folder + L"\\" + name;
  return ScopedFreeLibrary(::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

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
  CngLibrary() : module_(LoadFromSystemFolder(kCngDll)) {
    found_ =
        module_ &&
        Find(module_.get(), "BCryptOpenAlgorithmProvider", functions_.open_algorithm_provider) &&
        Find(module_.get(), "BCryptCloseAlgorithmProvider", functions_.close_algorithm_provider) &&
        Find(module_.get(), "BCryptCreateHash", functions_.create_hash) &&
        Find(module_.get(), "BCryptHashData", functions_.hash_data) &&
        Find(module_.get(), "BCryptFinishHash", functions_.finish_hash) &&
        Find(module_.get(), "BCryptDestroyHash", functions_.destroy_hash);
  }

  const CngFunctions* functions() const { return found_ ? &functions_ : nullptr; }

 private:
  ScopedFreeLibrary module_;
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
