#include "launcher/settings_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "launcher/launch_settings.h"

namespace {

constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();
constexpr std::uint64_t k200MB = 200ull * 1024 * 1024;

// A file of `length` bytes: `head`, then `filler` repeated, made up as it is read so that
// huge files cost no memory. It counts what the reader asks for, and hands out at most
// `piece` bytes a call, to move the reader's chunk boundaries around.
class FakeFile : public runtime::ByteStream {
 public:
  explicit FakeFile(std::string head, std::size_t piece = kUnlimited)
      : FakeFile(head, head.size(), "", piece) {}
  FakeFile(std::string head, std::uint64_t length, std::string filler,
           std::size_t piece = kUnlimited)
      : head_(std::move(head)), filler_(std::move(filler)), length_(length), piece_(piece) {}

  std::size_t Read(char* buffer, std::size_t size) override {
    bytes_requested_ += size;
    if (reported_end_) ++reads_after_end_;
    const std::uint64_t remaining = length_ - position_;
    const auto count =
        static_cast<std::size_t>(std::min<std::uint64_t>({size, piece_, remaining}));
    for (std::size_t index = 0; index < count; ++index, ++position_) {
      buffer[index] = position_ < head_.size()
                          ? head_[position_]
                          : filler_[(position_ - head_.size()) % filler_.size()];
    }
    reported_end_ = count == 0;
    return count;
  }

  std::uint64_t BytesRequested() const { return bytes_requested_; }
  int ReadsAfterEnd() const { return reads_after_end_; }

 private:
  std::string head_;
  std::string filler_;
  std::uint64_t length_;
  std::size_t piece_;
  std::uint64_t position_ = 0;
  std::uint64_t bytes_requested_ = 0;
  bool reported_end_ = false;
  int reads_after_end_ = 0;
};

// Latin-1 with a mark, so that a test sees which values went through the code page.
std::wstring MarkedAnsi(const std::string& bytes) {
  std::wstring text = L"ansi:";
  for (char byte : bytes) text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
  return text;
}

launcher::SettingsReader ReaderOf(FakeFile& file) {
  return launcher::SettingsReader(file, MarkedAnsi);
}

std::vector<std::wstring> ReadAllTexts(FakeFile& file) {
  launcher::SettingsReader reader = ReaderOf(file);
  std::vector<std::wstring> texts;
  std::wstring text;
  while (texts.size() < 32 && reader.ReadText(text)) texts.push_back(text);
  return texts;
}

std::vector<std::wstring> Fields(const launcher::LaunchSettings& settings) {
  return {settings.TargetFile,
          settings.DisplayName,
          settings.ExpectedChecksum,
          std::to_wstring(settings.LabelRed),
          std::to_wstring(settings.LabelGreen),
          std::to_wstring(settings.LabelBlue),
          settings.SkinFlag};
}

// The settings file's seven values as start-up reads them, each shown as the value read or
// "<failed>": the value that could not be read and those after it, whose fields must keep
// what they held.
std::vector<std::wstring> ReadSevenValues(launcher::SettingsReader& reader) {
  const launcher::LaunchSettings before{L"unchanged", L"unchanged", L"unchanged", 1234,
                                        1234,         1234,         L"unchanged"};
  launcher::LaunchSettings settings = before;
  const int read = launcher::ReadLaunchSettings(reader, settings);
  const std::vector<std::wstring> fields = Fields(settings);
  const std::vector<std::wstring> fields_before = Fields(before);
  std::vector<std::wstring> shown;
  for (int index = 0; index < static_cast<int>(fields.size()); ++index) {
    if (index < read) {
      shown.push_back(fields[index]);
    } else {
      EXPECT_EQ(fields[index], fields_before[index]);
      shown.push_back(L"<failed>");
    }
  }
  return shown;
}

std::vector<std::wstring> ReadSevenValues(FakeFile& file) {
  launcher::SettingsReader reader = ReaderOf(file);
  return ReadSevenValues(reader);
}

enum class ByteOrder { kLittleEndian, kBigEndian };

// The text with the byte-order mark of that order in front.
std::string Utf16File(const std::u16string& text, ByteOrder order) {
  std::string bytes;
  for (char16_t unit : u"\uFEFF" + text) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    bytes += order == ByteOrder::kLittleEndian ? std::string{low, high} : std::string{high, low};
  }
  return bytes;
}

// Every table runs with the whole file in one read and with the file trickling in, which
// puts BOMs, CR LF pairs and UTF-16 units across the reader's chunk boundaries.
const std::size_t kPieces[] = {kUnlimited, 1, 3};

struct LayoutCase {
  const char* name;
  std::string content;
};

TEST(SettingsReaderTest, EveryLayoutOfTheSevenValuesGivesTheSameValues) {
  const std::vector<std::wstring> expected = {
      L"C:\\Games\\game.exe", L"My Game", L"1A2B3C4D", L"255", L"128", L"0", L"1"};
  const LayoutCase cases[] = {
      {"one per line, LF", "C:\\Games\\game.exe\nMy Game\n1A2B3C4D\n255\n128\n0\n1\n"},
      {"one per line, CR LF",
       "C:\\Games\\game.exe\r\nMy Game\r\n1A2B3C4D\r\n255\r\n128\r\n0\r\n1\r\n"},
      {"one per line, CR", "C:\\Games\\game.exe\rMy Game\r1A2B3C4D\r255\r128\r0\r1"},
      {"one line", "C:\\Games\\game.exe,My Game,1A2B3C4D,255,128,0,1"},
      {"one line, quoted texts",
       "\"C:\\Games\\game.exe\",\"My Game\",\"1A2B3C4D\",255,128,0,\"1\"\r\n"},
      {"quoted numbers", "C:\\Games\\game.exe,My Game,1A2B3C4D,\"255\",\"128\",\"0\",1"},
      {"blanks and tabs around values",
       "  C:\\Games\\game.exe  ,\tMy Game\t, 1A2B3C4D ,  255  ,\t128\t, 0 , 1 \n"},
      {"mixed delimiters", "C:\\Games\\game.exe,My Game\r\n1A2B3C4D\r255,128\n0,1"},
      {"UTF-8 BOM", "\xEF\xBB\xBF" "C:\\Games\\game.exe,My Game,1A2B3C4D,255,128,0,1"},
      {"UTF-16 LE BOM", Utf16File(u"C:\\Games\\game.exe\r\nMy Game\r\n1A2B3C4D\r\n255,128,0\r\n1\r\n",
                                  ByteOrder::kLittleEndian)},
      {"UTF-16 BE BOM", Utf16File(u"C:\\Games\\game.exe\r\nMy Game\r\n1A2B3C4D\r\n255,128,0\r\n1\r\n",
                                  ByteOrder::kBigEndian)},
  };
  for (const LayoutCase& layout : cases) {
    for (std::size_t piece : kPieces) {
      SCOPED_TRACE(testing::Message() << layout.name << ", pieces of " << piece);
      FakeFile file(layout.content, piece);
      EXPECT_EQ(ReadSevenValues(file), expected);
    }
  }
}

struct DelimitingCase {
  std::string content;
  std::vector<std::wstring> texts;  // everything read before the first failing read
};

TEST(SettingsReaderTest, SplitsValuesAtCommasAndLineEnds) {
  const DelimitingCase cases[] = {
      {"", {}},
      {"   \t ", {}},
      {"a", {L"a"}},
      {"a,b", {L"a", L"b"}},
      {"a,b\n", {L"a", L"b"}},
      {"a,b\r\n", {L"a", L"b"}},
      {"a\r", {L"a"}},
      {"a,", {L"a"}},
      {"a,  ", {L"a"}},
      {"a,\n", {L"a", L""}},
      {",a", {L"", L"a"}},
      {"\n", {L""}},
      {"a\n\nb", {L"a", L"", L"b"}},
      {"a\r\n\r\nb", {L"a", L"", L"b"}},
      {"a\r\rb", {L"a", L"", L"b"}},
      {"a\n\rb", {L"a", L"", L"b"}},
      {"a\n  \nb", {L"a", L"", L"b"}},
      {"  \t a  \t,b", {L"a", L"b"}},
      {"a b c ,d", {L"a b c", L"d"}},
      {"a\"b\",c", {L"a\"b\"", L"c"}},
      {"\"x, y\r\nz\",w", {L"x, y\r\nz", L"w"}},
      {"\"a\" junk, b\n", {L"a", L"b"}},
      {"\"a\"junk\nb", {L"a", L"b"}},
      {"\"a\"\r\nb", {L"a", L"b"}},
      {"\"a\"\"b\",c", {L"a", L"c"}},
      {"\"a\"", {L"a"}},
      {"\"\",\"\"", {L"", L""}},
      {"  \"  padded  \"  ,x", {L"  padded  ", L"x"}},
      {"\"runs to the end, over\nlines", {L"runs to the end, over\nlines"}},
  };
  for (const DelimitingCase& test : cases) {
    for (std::size_t piece : kPieces) {
      SCOPED_TRACE(testing::Message() << '"' << test.content << "\", pieces of " << piece);
      FakeFile file(test.content, piece);
      EXPECT_EQ(ReadAllTexts(file), test.texts);
      EXPECT_EQ(file.ReadsAfterEnd(), 0);
    }
  }
}

TEST(SettingsReaderTest, ShortFilesFailTheReadsTheyHaveNoValuesFor) {
  const std::wstring F = L"<failed>";
  const DelimitingCase cases[] = {
      {"", {F, F, F, F, F, F, F}},
      {"a,b,c", {L"a", L"b", L"c", F, F, F, F}},
      {"a,b,c\n", {L"a", L"b", L"c", F, F, F, F}},
      {"a,b,c,1", {L"a", L"b", L"c", L"1", F, F, F}},
      {"a,b,c,1,2,3\r\n", {L"a", L"b", L"c", L"1", L"2", L"3", F}},
      {"a,b,c,1,2,3,", {L"a", L"b", L"c", L"1", L"2", L"3", F}},
      {"a,b,c,1,2,3,\n", {L"a", L"b", L"c", L"1", L"2", L"3", L""}},
      {"a,b,c,1,2,3,x", {L"a", L"b", L"c", L"1", L"2", L"3", L"x"}},
      {"a,b,c,1,2,3,x,y,z\n", {L"a", L"b", L"c", L"1", L"2", L"3", L"x"}},
  };
  for (const DelimitingCase& test : cases) {
    SCOPED_TRACE(test.content);
    FakeFile file(test.content);
    EXPECT_EQ(ReadSevenValues(file), test.texts);
    EXPECT_EQ(file.ReadsAfterEnd(), 0);
  }
}

TEST(SettingsReaderTest, ValuesPastTheSeventhAreLeftForLaterReads) {
  FakeFile file("a,b,c,1,2,3,x,eighth\nninth");
  launcher::SettingsReader reader = ReaderOf(file);
  ReadSevenValues(reader);
  std::wstring text;
  ASSERT_TRUE(reader.ReadText(text));
  EXPECT_EQ(text, L"eighth");
  ASSERT_TRUE(reader.ReadText(text));
  EXPECT_EQ(text, L"ninth");
  EXPECT_FALSE(reader.ReadText(text));
}

struct IntegerCase {
  std::string value;
  std::optional<std::int16_t> number;
};

TEST(SettingsReaderTest, ReadsOnlyWholeNumbersInTheSixteenBitRange) {
  const IntegerCase cases[] = {
      {"0", 0},
      {"255", 255},
      {"  255  ", 255},
      {"\t-12\t", -12},
      {"+7", 7},
      {"-0", 0},
      {"007", 7},
      {"32767", 32767},
      {"-32768", -32768},
      {"000000000000000000000000000032767", 32767},
      {"\"42\"", 42},
      {"\" -42 \"", -42},
      {"\"42\"junk", 42},
      {"", std::nullopt},
      {"\"\"", std::nullopt},
      {"12.5", std::nullopt},
      {"1e3", std::nullopt},
      {"0x10", std::nullopt},
      {"32768", std::nullopt},
      {"-32769", std::nullopt},
      {"65535", std::nullopt},
      {"99999999999999999999999999999999999999", std::nullopt},
      {"-99999999999999999999999999999999999999", std::nullopt},
      {"abc", std::nullopt},
      {"12abc", std::nullopt},
      {"+", std::nullopt},
      {"-", std::nullopt},
      {"+-1", std::nullopt},
      {"- 5", std::nullopt},
      {"1 2", std::nullopt},
      {std::string("12\0", 3), std::nullopt},
      {"\xD9\xA1\xD9\xA2", std::nullopt},  // Arabic-Indic digits one and two
      {"\xEF\xBC\x91", std::nullopt},      // fullwidth digit one
  };
  for (const IntegerCase& test : cases) {
    SCOPED_TRACE(test.value);
    FakeFile file(test.value + ",next");
    launcher::SettingsReader reader = ReaderOf(file);
    std::int16_t field = 1234;
    EXPECT_EQ(reader.ReadInteger(field), test.number.has_value());
    EXPECT_EQ(field, test.number.value_or(1234));
    std::wstring after;
    EXPECT_TRUE(reader.ReadText(after));
    EXPECT_EQ(after, L"next");
  }
}

TEST(SettingsReaderTest, HonoursAUtf8Bom) {
  FakeFile file("\xEF\xBB\xBF" "Caf\xC3\xA9,\xF0\x9F\x98\x80,bad \xE9 byte\n");
  EXPECT_EQ(ReadAllTexts(file),
            (std::vector<std::wstring>{L"Caf\xE9", {0xD83D, 0xDE00}, L"bad \xFFFD byte"}));
}

TEST(SettingsReaderTest, HonoursAUtf16BomOfEitherByteOrder) {
  const std::u16string content =
      u"Caf\u00E9,\u041F\u0440\u0438\u0432\u0435\u0442\r\n"
      u"\"a, \u201Cquoted\u201D\r\nvalue\" x,\U0001F600\n"
      u"\u012C\u2C00\u0D0A,  -300  \n"
      u"\xD800lone";
  const std::wstring expected_texts[] = {
      L"Caf\xE9",
      L"\x41F\x440\x438\x432\x435\x442",
      L"a, \x201Cquoted\x201D\r\nvalue",
      {0xD83D, 0xDE00},
      L"\x12C\x2C00\xD0A",  // units holding a comma's or a line end's byte are no delimiters
  };
  for (const ByteOrder order : {ByteOrder::kLittleEndian, ByteOrder::kBigEndian}) {
    for (std::size_t piece : kPieces) {
      SCOPED_TRACE(testing::Message() << (order == ByteOrder::kBigEndian ? "BE" : "LE")
                                      << ", pieces of " << piece);
      FakeFile file(Utf16File(content, order) + "\x41", piece);  // the odd last byte is ignored
      launcher::SettingsReader reader = ReaderOf(file);
      for (const std::wstring& expected : expected_texts) {
        std::wstring text;
        EXPECT_TRUE(reader.ReadText(text));
        EXPECT_EQ(text, expected);
      }
      std::int16_t number = 0;
      EXPECT_TRUE(reader.ReadInteger(number));
      EXPECT_EQ(number, -300);
      std::wstring unpaired_surrogate_kept;
      EXPECT_TRUE(reader.ReadText(unpaired_surrogate_kept));
      EXPECT_EQ(unpaired_surrogate_kept, (std::wstring{0xD800, L'l', L'o', L'n', L'e'}));
      EXPECT_FALSE(reader.ReadText(unpaired_surrogate_kept));
    }
  }
}

TEST(SettingsReaderTest, ABomWithNothingAfterItHoldsNoValue) {
  for (const std::string content :
       {"\xEF\xBB\xBF", "\xFF\xFE", "\xFF\xFE\x41", "\xFE\xFF", "\xFE\xFF\x41"}) {
    FakeFile file(content);
    EXPECT_EQ(ReadAllTexts(file), std::vector<std::wstring>{});
  }
}

TEST(SettingsReaderTest, PartOfABomIsTextInTheCodePage) {
  FakeFile file("\xEF\xBB,\xFF");
  EXPECT_EQ(ReadAllTexts(file), (std::vector<std::wstring>{L"ansi:\xEF\xBB", L"ansi:\xFF"}));
}

TEST(SettingsReaderTest, DecidesBetweenUtf8AndTheCodePageForEachValue) {
  struct Case {
    std::string value;
    std::wstring text;
  };
  const Case cases[] = {
      {"plain ascii", L"plain ascii"},
      {"caf\xC3\xA9", L"caf\xE9"},
      {"caf\xE9", L"ansi:caf\xE9"},
      {"\xE2\x82\xAC", L"\x20AC"},
      {"\xF0\x9F\x98\x80", {0xD83D, 0xDE00}},
      {"\xF4\x8F\xBF\xBF", {0xDBFF, 0xDFFF}},
      {"\xC0\xAF", L"ansi:\xC0\xAF"},                  // overlong '/'
      {"\xE0\x80\xAF", L"ansi:\xE0\x80\xAF"},          // overlong '/'
      {"\xED\xA0\x80", L"ansi:\xED\xA0\x80"},          // an encoded surrogate
      {"\xF4\x90\x80\x80", L"ansi:\xF4\x90\x80\x80"},  // past U+10FFFF
      {"a\xC3", L"ansi:a\xC3"},                        // cut short by the delimiter
      {"\x80", L"ansi:\x80"},
  };
  std::string content;
  std::vector<std::wstring> expected;
  for (const Case& test : cases) {
    content += test.value + "\r\n";
    expected.push_back(test.text);
  }
  FakeFile file(content);
  EXPECT_EQ(ReadAllTexts(file), expected);
}

TEST(SettingsReaderTest, ReadsOnlyTheStartOfAHugeFile) {
  const std::string first_values[] = {
      "C:\\game.exe,Game,ABCD,1,2,3,1\r\n",
      "C:\\game.exe\r\nGame\r\nABCD\r\n1\r\n2\r\n3\r\n1\r\n",
  };
  for (const std::string& head : first_values) {
    FakeFile file(head, k200MB, "more,values,that,nobody,asks,for\r\n");
    EXPECT_EQ(ReadSevenValues(file), (std::vector<std::wstring>{L"C:\\game.exe", L"Game",
                                                                 L"ABCD", L"1", L"2", L"3",
                                                                 L"1"}));
    EXPECT_LE(file.BytesRequested(), 8u * 1024);
  }
}

// Past 64 KiB a read fails, and from then on every read fails without reading on.
TEST(SettingsReaderTest, StopsAtAnEndlessValue) {
  struct Case {
    const char* name;
    std::string head;
    std::string filler;
    int good_values = 0;
  };
  const Case cases[] = {
      {"unquoted", "", "x"},
      {"quoted", "\"", "x,\r\n"},
      {"blanks", "", " \t"},
      {"after a closing quote", "\"a\"", "x"},
      {"after good values", "good,values\n", "x", 2},
      {"NUL bytes", "", std::string(1, '\0')},
      {"UTF-16 LE", "\xFF\xFE", std::string("x\0", 2)},
      {"UTF-16 BE", "\xFE\xFF", std::string("\0x", 2)},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    FakeFile file(test.head, k200MB, test.filler);
    launcher::SettingsReader reader = ReaderOf(file);
    std::wstring text;
    for (int good = 0; good < test.good_values; ++good) EXPECT_TRUE(reader.ReadText(text));
    EXPECT_FALSE(reader.ReadText(text));
    const std::uint64_t requested = file.BytesRequested();
    EXPECT_LE(requested, 64u * 1024 + 2 * 4096);
    std::int16_t number = 0;
    EXPECT_FALSE(reader.ReadInteger(number));
    EXPECT_FALSE(reader.ReadText(text));
    EXPECT_EQ(file.BytesRequested(), requested);
  }
}

TEST(SettingsReaderTest, AValueMayTakeUpTo64KiBWithItsDelimiter) {
  const std::size_t limit = 64 * 1024;
  struct Case {
    std::string content;
    bool read;
  };
  const Case cases[] = {
      {std::string(limit - 1, 'x') + ",", true},
      {std::string(limit, 'x') + ",", false},
      {std::string(limit - 11, ' ') + "\"12345678\",", true},
      {std::string(limit - 10, ' ') + "\"12345678\",", false},
  };
  for (const Case& test : cases) {
    FakeFile file(test.content + "next");
    launcher::SettingsReader reader = ReaderOf(file);
    std::wstring text;
    EXPECT_EQ(reader.ReadText(text), test.read);
    EXPECT_EQ(reader.ReadText(text), test.read);
  }
}

TEST(SettingsReaderTest, BinaryBytesAreJustCharacters) {
  FakeFile file(std::string("a\0b,\0\n\"\0,\0\"", 12));
  EXPECT_EQ(ReadAllTexts(file), (std::vector<std::wstring>{std::wstring(L"a\0b", 3),
                                                           std::wstring(1, L'\0'),
                                                           std::wstring(L"\0,\0", 3)}));
  std::string every_byte;
  for (int byte = 0; byte < 256; ++byte) every_byte.push_back(static_cast<char>(byte));
  for (const std::string& content : {every_byte, every_byte.substr(2)}) {
    FakeFile garbage(content);
    EXPECT_NO_FATAL_FAILURE(ReadSevenValues(garbage));
    EXPECT_EQ(garbage.ReadsAfterEnd(), 0);
  }
}

// Random files made mostly of the characters that steer the reader: whatever the file, the
// seven reads end, leave failed fields alone, never ask a finished stream again, and come
// out the same however the stream cuts the file into pieces.
TEST(SettingsReaderTest, RandomFilesReadTheSameInAnyPieces) {
  std::mt19937 random(20240517);
  const std::string steering[] = {",", "\"", "\r", "\n", " ", "\t", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF",
                                  "\xC3\xA9", "\xE9", "-", "1", "3", "a", std::string(1, '\0')};
  std::uniform_int_distribution<int> length_of(0, 200);
  std::uniform_int_distribution<int> pick(0, std::size(steering) + 1);
  std::uniform_int_distribution<int> any_byte(0, 255);
  for (int input = 0; input < 3000; ++input) {
    std::string content;
    for (int part = length_of(random); part > 0; --part) {
      const auto choice = static_cast<std::size_t>(pick(random));
      content += choice < std::size(steering) ? steering[choice]
                                              : std::string(1, static_cast<char>(any_byte(random)));
    }
    FakeFile whole(content);
    FakeFile trickle(content, 1 + input % 5);
    const std::vector<std::wstring> from_whole = ReadSevenValues(whole);
    ASSERT_EQ(ReadSevenValues(trickle), from_whole) << testing::PrintToString(content);
    ASSERT_EQ(whole.ReadsAfterEnd(), 0);
    ASSERT_EQ(trickle.ReadsAfterEnd(), 0);
  }
}

}  // namespace
