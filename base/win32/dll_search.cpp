#include "base/win32/dll_search.h"

#include <windows.h>

#include <string>

namespace base::win32 {

namespace {

std::wstring SystemFolder() {
  const UINT size = ::GetSystemDirectoryW(nullptr, 0);
  if (size == 0) return {};
  std::wstring folder(size, L'\0');
  const UINT length = ::GetSystemDirectoryW(folder.data(), size);
  if (length == 0 || length >= size) return {};
  folder.resize(length);
  return folder;
}

}  // namespace

void LoadDllsFromSystemFolderOnly() {
  // Looked up rather than imported: Windows 7 without update KB2533623 lacks the function
  // and would refuse to start a program that imports it.
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  const FARPROC address =
      kernel != nullptr ? ::GetProcAddress(kernel, "SetDefaultDllDirectories") : nullptr;
  if (address != nullptr) {
    const auto set_default_dll_directories =
        reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(address));
    set_default_dll_directories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  }
  // Where the call above is missing, this is what remains: an empty text, unlike a null
  // pointer (which would restore the default order), takes the current directory out of
  // the search order of LoadLibrary. Only the call above leaves out the program's folder too.
  ::SetDllDirectoryW(L"");
}

ScopedFreeLibrary LoadSystemDll(const wchar_t* name) {
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

}  // namespace base::win32
