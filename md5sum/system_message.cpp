#include "md5sum/system_message.h"

#include <windows.h>

#include "base/win32/handles.h"
#include "md5sum/message_line.h"

namespace md5sum {

namespace {

using ScopedText = base::win32::ScopedLocalFree<LPWSTR>;

ScopedText FormatSystemMessage(DWORD error) {
  LPWSTR text = nullptr;
  // With FORMAT_MESSAGE_ALLOCATE_BUFFER the buffer argument receives the text's address.
  // FORMAT_MESSAGE_MAX_WIDTH_MASK joins the lines the text is laid out in; the breaks that
  // it keeps, those the message itself holds, MessageLine turns into blanks.
  ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                   nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  return ScopedText(text);
}

}  // namespace

std::wstring SystemMessage(unsigned long error) {
  const ScopedText text = FormatSystemMessage(error);
  return MessageLine(error, text ? text.get() : L"");
}

}  // namespace md5sum
