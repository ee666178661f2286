#include "md5sum/system_file_name.h"

#include <string_view>

namespace md5sum {

namespace {

constexpr std::wstring_view kLiteralPrefix = L"\\\\?\\";
constexpr std::wstring_view kLiteralUncPrefix = L"\\\\?\\UNC\\";
constexpr std::wstring_view kDevicePrefix = L"\\\\.\\";
constexpr std::wstring_view kUncPrefix = L"\\\\";

bool StartsWith(std::wstring_view text, std::wstring_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::wstring SystemFileName(const std::wstring& given, const std::wstring& full) {
  if (full.size() < kMaxPath || StartsWith(given, kLiteralPrefix) ||
      StartsWith(full, kLiteralPrefix) || StartsWith(full, kDevicePrefix)) {
    return given;
  }
  if (StartsWith(full, kUncPrefix)) {
    return std::wstring(kLiteralUncPrefix) + full.substr(kUncPrefix.size());
  }
  return std::wstring(kLiteralPrefix) + full;
}

}  // namespace md5sum
