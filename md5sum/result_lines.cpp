#include "md5sum/result_lines.h"

std::wstring ChecksumLine(const std::wstring& name, const std::wstring& checksum) {
  return checksum + L"  " + name;
}

std::wstring WindowLine(const std::wstring& name, const FileDigest& digest) {
  if (digest.read) return ChecksumLine(name, digest.checksum);
  return L"Cannot read " + name + L": " + digest.error;
}

std::wstring ConsoleErrorLine(const std::wstring& name, const std::wstring& error) {
  return L"md5sum: " + name + L": " + error;
}
