#include "md5sum/result_lines.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace md5sum {
namespace {

const std::wstring kChecksum = L"900150983cd24fb0d6963f7d28e17f72";

TEST(ResultLinesTest, SaysWhatBecameOfEachFile) {
  const FileDigest read{true, kChecksum, {}};
  const FileDigest unread{false, {}, L"Access is denied."};
  const std::wstring name = L"C:\\talqo demo\\\x03A9\x03BC\x03AD\x03B3\x03B1.txt";
  EXPECT_EQ(ChecksumLine(name, kChecksum), kChecksum + L"  " + name);
  EXPECT_EQ(WindowLine(name, read), kChecksum + L"  " + name);
  EXPECT_EQ(WindowLine(name, unread), L"Cannot read " + name + L": Access is denied.");
  EXPECT_EQ(ConsoleErrorLine(name, L"Is a directory."), L"md5sum: " + name + L": Is a directory.");
  EXPECT_EQ(WriteErrorLine(L"Disk full."), L"md5sum: write error: Disk full.");
}

TEST(ResultLinesTest, ShowsALineBreakInsideANameAsAVisibleMark) {
  const struct {
    const wchar_t* name;
    const wchar_t* shown;
  } cases[] = {
      {L"bad\rname.txt", L"bad\u21B5name.txt"},
      {L"bad\nname.txt", L"bad\u21B5name.txt"},
      {L"bad\r\nname.txt", L"bad\u21B5name.txt"},
      {L"bad\n\rname.txt", L"bad\u21B5\u21B5name.txt"},
      {L"bad\r\r\nname.txt", L"bad\u21B5\u21B5name.txt"},
      {L"\r\n\nname.txt\r", L"\u21B5\u21B5name.txt\u21B5"},
      {L"C:\\a b\\report.pdf", L"C:\\a b\\report.pdf"},
      {L"", L""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ShownName(c.name), c.shown) << testing::PrintToString(c.name);
}

// Each file keeps one line wherever it is shown, so that a line's number stays its file's.
TEST(ResultLinesTest, EveryLineShowsTheNameWithItsMarks) {
  const std::wstring name = L"C:\\bad\r\nname.txt";
  const std::wstring shown = L"C:\\bad\u21B5name.txt";
  const struct {
    const char* what;
    std::function<std::wstring(const std::wstring&)> line;
    std::wstring expected;
  } cases[] = {
      {"checksum line", [](const std::wstring& n) { return ChecksumLine(n, kChecksum); },
       kChecksum + L"  " + shown},
      {"window line, read",
       [](const std::wstring& n) {
         return WindowLine(n, FileDigest{true, kChecksum, {}});
       },
       kChecksum + L"  " + shown},
      {"window line, unread",
       [](const std::wstring& n) {
         return WindowLine(n, FileDigest{false, {}, L"Invalid name."});
       },
       L"Cannot read " + shown + L": Invalid name."},
      {"console error line",
       [](const std::wstring& n) { return ConsoleErrorLine(n, L"Invalid name."); },
       L"md5sum: " + shown + L": Invalid name."},
  };
  for (const auto& c : cases) EXPECT_EQ(c.line(name), c.expected) << c.what;
}

}  // namespace
}  // namespace md5sum
