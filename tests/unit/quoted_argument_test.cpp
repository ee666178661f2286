#include "actions/quoted_argument.h"

#include <gtest/gtest.h>

namespace talqo_test {
namespace {

// Each case is read back the way CommandLineToArgvW splits a command line: 2n backslashes
// before a quote give n and the quote delimits; 2n+1 give n and a literal quote.
TEST(QuotedArgumentTest, ReadsBackAsOneArgumentHoldingTheText) {
  const struct {
    const wchar_t* text;
    const wchar_t* quoted;
  } cases[] = {
      {L"C:\\Apps\\Talqo\\report.pdf", L"\"C:\\Apps\\Talqo\\report.pdf\""},
      {L"C:\\talqo demo\\release notes.txt", L"\"C:\\talqo demo\\release notes.txt\""},
      // The folder alone, as for an empty name: the closing quote stays a quote.
      {L"C:\\Apps\\Talqo\\", L"\"C:\\Apps\\Talqo\\\\\""},
      {L"C:\\Apps\\Talqo\\\\", L"\"C:\\Apps\\Talqo\\\\\\\\\""},
      // Backslashes inside the text, not before a quote, stay as they are.
      {L"\\\\server\\share\\a.txt", L"\"\\\\server\\share\\a.txt\""},
      // A double quote never ends the argument early.
      {L"a\"b", L"\"a\\\"b\""},
      {L"a\\\"b", L"\"a\\\\\\\"b\""},
      // The fullwidth quotation mark is no quote to the command line.
      {L"\x03A9\xFF02 x.txt", L"\"\x03A9\xFF02 x.txt\""},
      {L"", L"\"\""},
  };
  for (const auto& c : cases) EXPECT_EQ(launcher::QuotedArgument(c.text), c.quoted) << c.text;
}

}  // namespace
}  // namespace talqo_test
