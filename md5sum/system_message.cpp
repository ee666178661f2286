#include "md5sum/system_message.h"

#include <windows.h>

#include "runtime/win32/handles.h"

namespace {

using ScopedText = runtime::win32::ScopedLocalFree<LPWSTR>;

ScopedText FormatSystemMessage(DWORD error) {
  LPWSTR text = nullptr;
  // With FORMAT_MESSAGE_ALLOCATE_BUFFER the buffer argument receives the text's address.
  ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  return ScopedText(text);
}

}  // namespace

std::wstring SystemMessage(unsigned long error) {
  const ScopedText text = FormatSystemMessage(error);
  if (!text) return L"Error " + std::to_wstring(error);
  std::wstring message = text.get();
  while (!message.empty() &&
         (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ')) {
    message.pop_back();
  }
  return message;
}
