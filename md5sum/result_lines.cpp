#include "md5sum/result_lines.h"

namespace md5sum {

namespace {

constexpr wchar_t kLineBreakMark = L'\u21B5';  // DOWNWARDS ARROW WITH CORNER LEFTWARDS

}  // namespace

std::wstring ShownName(const std::wstring& name) {
  std::wstring shown;
  for (std::size_t index = 0; index < name.size(); ++index) {
    const wchar_t character = name[index];
    // A carriage return and the line feed after it are one line break.
    if (character == L'\r' && index + 1 < name.size() && name[index + 1] == L'\n') continue;
    shown += character == L'\r' || character == L'\n' ? kLineBreakMark : character;
  }
  return shown;
}

std::wstring ChecksumLine(const std::wstring& name, const std::wstring& checksum) {
  return checksum + L"  " + ShownName(name);
}

std::wstring WindowLine(const std::wstring& name, const FileDigest& digest) {
  if (digest.read) return ChecksumLine(name, digest.checksum);
  return L"Cannot read " + ShownName(name) + L": " + digest.error;
}

std::wstring ConsoleErrorLine(const std::wstring& name, const std::wstring& error) {
  return L"md5sum: " + ShownName(name) + L": " + error;
}

std::wstring WriteErrorLine(const std::wstring& reason) {
  return L"md5sum: write error: " + reason;
}

}  // namespace md5sum
