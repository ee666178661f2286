// Stands in for a DLL that someone put beside a program in a folder that others can write
// to, named after the system's cryptography DLL; the tests copy it there as bcrypt.dll.
// Once loaded, its start-up code writes planted-dll-ran.txt beside itself, holding the path
// of the program that loaded it. Its functions carry the names a digest takes from
// bcrypt.dll, so that a program importing them starts, and each of them fails.
#include <windows.h>

namespace {

constexpr LONG kStatusNotSupported = static_cast<LONG>(0xC00000BBL);
constexpr DWORD kLongestPath = 32768;
constexpr wchar_t kMarkerName[] = L"planted-dll-ran.txt";

wchar_t marker_path[kLongestPath];
wchar_t program_path[kLongestPath];
char program_path_utf8[kLongestPath * 3];

// Only kernel32 is called: the loader lock is held while the start-up code runs.
void WriteMarker(HMODULE self) {
  const DWORD length = ::GetModuleFileNameW(self, marker_path, kLongestPath);
  if (length == 0 || length >= kLongestPath) return;
  DWORD folder_end = length;
  while (folder_end > 0 && marker_path[folder_end - 1] != L'\\') --folder_end;
  if (folder_end + sizeof(kMarkerName) / sizeof(wchar_t) > kLongestPath) return;
  ::lstrcpyW(marker_path + folder_end, kMarkerName);

  const DWORD program_length = ::GetModuleFileNameW(nullptr, program_path, kLongestPath);
  const int bytes =
      ::WideCharToMultiByte(CP_UTF8, 0, program_path, static_cast<int>(program_length),
                            program_path_utf8, sizeof(program_path_utf8), nullptr, nullptr);
  const HANDLE marker = ::CreateFileW(marker_path, GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (marker == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  ::WriteFile(marker, program_path_utf8, static_cast<DWORD>(bytes > 0 ? bytes : 0), &written,
              nullptr);
  ::CloseHandle(marker);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) WriteMarker(self);
  return TRUE;
}

extern "C" __declspec(dllexport) LONG WINAPI
    BCryptOpenAlgorithmProvider(void*, const wchar_t*, const wchar_t*, ULONG) {
  return kStatusNotSupported;
}

extern "C" __declspec(dllexport) LONG WINAPI BCryptCloseAlgorithmProvider(void*, ULONG) {
  return kStatusNotSupported;
}

extern "C" __declspec(dllexport) LONG WINAPI
    BCryptCreateHash(void*, void*, UCHAR*, ULONG, UCHAR*, ULONG, ULONG) {
  return kStatusNotSupported;
}

extern "C" __declspec(dllexport) LONG WINAPI BCryptHashData(void*, UCHAR*, ULONG, ULONG) {
  return kStatusNotSupported;
}

extern "C" __declspec(dllexport) LONG WINAPI BCryptFinishHash(void*, UCHAR*, ULONG, ULONG) {
  return kStatusNotSupported;
}

extern "C" __declspec(dllexport) LONG WINAPI BCryptDestroyHash(void*) {
  return kStatusNotSupported;
}
