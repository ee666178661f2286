#include "md5sum/message_line.h"

#include <gtest/gtest.h>

namespace md5sum {
namespace {

TEST(MessageLineTest, MakesTheSystemsTextOneLine) {
  const struct {
    unsigned long error;
    const wchar_t* system_text;
    const wchar_t* line;
  } cases[] = {
      {5, L"Access is denied.\r\n", L"Access is denied."},
      // FORMAT_MESSAGE_MAX_WIDTH_MASK leaves a blank where the line end was.
      {5, L"Access is denied. ", L"Access is denied."},
      {5, L"Access is denied.", L"Access is denied."},
      {1, L"The first line\r\nand the second.\r\n", L"The first line and the second."},
      {1, L"First.  \r\n  Second.", L"First. Second."},
      {1, L"First.\r\n\r\nSecond.", L"First. Second."},
      {1, L"First\nsecond\rthird", L"First second third"},
      {1, L"\r\nAfter a break.", L"After a break."},
      {1, L"Blanks  inside a line stay.", L"Blanks  inside a line stay."},
      // No text from the system, or nothing in it to read.
      {317, L"", L"Error 317"},
      {317, L" \r\n ", L"Error 317"},
      {4294967295ul, L"", L"Error 4294967295"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MessageLine(c.error, c.system_text), c.line) << testing::PrintToString(c.system_text);
  }
}

}  // namespace
}  // namespace md5sum
