#include "md5sum/system_file_name.h"

#include <gtest/gtest.h>

#include <string>

namespace md5sum {
namespace {

const std::wstring kLiteral = L"\\\\?\\";
const std::wstring kLiteralUnc = L"\\\\?\\UNC\\";

// A path of exactly `length` characters: `start`, a long folder name, a file name.
std::wstring PathOfLength(const std::wstring& start, std::size_t length) {
  const std::wstring end = L"\\report.pdf";
  return start + std::wstring(length - start.size() - end.size(), L'd') + end;
}

TEST(SystemFileNameTest, LiftsTheLimitOnlyForFullPathsThatReachIt) {
  const std::wstring short_drive = L"C:\\Users\\ana\\docs\\report.pdf";
  const std::wstring drive_259 = PathOfLength(L"C:\\Users\\ana\\", 259);
  const std::wstring drive_260 = PathOfLength(L"C:\\Users\\ana\\", 260);
  const std::wstring drive_400 = PathOfLength(L"C:\\Users\\ana\\", 400);
  const std::wstring unc_259 = PathOfLength(L"\\\\server\\share\\", 259);
  const std::wstring unc_260 = PathOfLength(L"\\\\server\\share\\", 260);
  const std::wstring literal_400 = kLiteral + drive_400;
  const std::wstring literal_unc_400 = kLiteralUnc + PathOfLength(L"server\\share\\", 400);
  const std::wstring device_400 = PathOfLength(L"\\\\.\\C:\\", 400);
  const struct {
    const char* what;
    std::wstring given;
    std::wstring full;
    std::wstring system;
  } cases[] = {
      {"relative, short", L"docs\\report.pdf", short_drive, L"docs\\report.pdf"},
      {"full drive path, short", short_drive, short_drive, short_drive},
      {"relative, one below the limit", L"report.pdf", drive_259, L"report.pdf"},
      {"full drive path, one below the limit", drive_259, drive_259, drive_259},
      {"full drive path at the limit", drive_260, drive_260, kLiteral + drive_260},
      {"relative, at the limit", L"report.pdf", drive_260, kLiteral + drive_260},
      {"relative with dots, beyond", L"..\\x\\..\\report.pdf", drive_400, kLiteral + drive_400},
      {"forward slashes, beyond", L"C:/Users/ana/report.pdf", drive_400, kLiteral + drive_400},
      {"full drive path, beyond", drive_400, drive_400, kLiteral + drive_400},
      {"UNC, short", L"\\\\server\\share\\report.pdf", L"\\\\server\\share\\report.pdf",
       L"\\\\server\\share\\report.pdf"},
      {"UNC, one below the limit", unc_259, unc_259, unc_259},
      {"UNC at the limit", unc_260, unc_260, kLiteralUnc + unc_260.substr(2)},
      {"literal, short", kLiteral + short_drive, kLiteral + short_drive, kLiteral + short_drive},
      {"literal, beyond", literal_400, literal_400, literal_400},
      {"literal UNC, beyond", literal_unc_400, literal_unc_400, literal_unc_400},
      {"device, beyond", device_400, device_400, device_400},
      // GetFullPathNameW failed: the name goes as it was given.
      {"no full path", L"report.pdf", L"", L"report.pdf"},
  };
  for (const auto& c : cases) EXPECT_EQ(SystemFileName(c.given, c.full), c.system) << c.what;
}

}  // namespace
}  // namespace md5sum
