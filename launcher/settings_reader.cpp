#include "launcher/settings_reader.h"

#include <cstring>
#include <utility>

#include "launcher/text_decoding.h"

namespace launcher {

namespace {

// One read may take at most this many bytes of the file: its leading blanks, the value and
// its delimiter. A read that needs more fails, and so does every later read, without asking
// the stream for another byte. A settings value is a path, a name or a number, so a longer
// one means a damaged file; skipping to its end instead could mean reading all of a huge
// file, and keeping it could mean holding all of it.
constexpr std::size_t kMaxBytesPerRead = 64 * 1024;

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr char kUtf16LeBom[] = "\xFF\xFE";
constexpr char kUtf16BeBom[] = "\xFE\xFF";

constexpr char16_t kComma = u',';
constexpr char16_t kQuote = u'"';
constexpr char16_t kCarriageReturn = u'\r';
constexpr char16_t kLineFeed = u'\n';

bool IsBlank(char16_t unit) { return unit == u' ' || unit == u'\t'; }

bool IsDelimiter(char16_t unit) {
  return unit == kComma || unit == kCarriageReturn || unit == kLineFeed;
}

bool IsBlank(wchar_t character) { return character == L' ' || character == L'\t'; }

// A whole number in the 16-bit range with an optional sign; blanks and tabs around it are
// allowed whether the value was quoted or not.
std::optional<std::int16_t> ParseInt16(const std::wstring& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;

  bool negative = false;
  if (begin < end && (text[begin] == L'+' || text[begin] == L'-')) {
    negative = text[begin] == L'-';
    ++begin;
  }
  if (begin == end) return std::nullopt;

  constexpr long kLargestMagnitude = 32768;
  long magnitude = 0;
  for (std::size_t index = begin; index < end; ++index) {
    const wchar_t digit = text[index];
    if (digit < L'0' || digit > L'9') return std::nullopt;
    magnitude = magnitude * 10 + (digit - L'0');
    if (magnitude > kLargestMagnitude) return std::nullopt;
  }
  if (!negative && magnitude == kLargestMagnitude) return std::nullopt;
  return static_cast<std::int16_t>(negative ? -magnitude : magnitude);
}

}  // namespace

SettingsReader::SettingsReader(runtime::ByteStream& stream, AnsiDecoder ansi_to_wide)
    : stream_(stream), ansi_to_wide_(std::move(ansi_to_wide)) {}

bool SettingsReader::ReadText(std::wstring& field) {
  const std::optional<std::string> value = ReadValue();
  if (!value) return false;
  field = Decode(*value);
  return true;
}

bool SettingsReader::ReadInteger(std::int16_t& field) {
  const std::optional<std::string> value = ReadValue();
  if (!value) return false;
  const std::optional<std::int16_t> number = ParseInt16(Decode(*value));
  if (!number) return false;
  field = *number;
  return true;
}

void SettingsReader::DetectEncoding() {
  const auto buffer_starts_with = [this](const char* bom, std::size_t length) {
    return Buffer(length) && std::memcmp(buffer_.data() + buffer_position_, bom, length) == 0;
  };
  if (buffer_starts_with(kUtf8Bom, sizeof kUtf8Bom - 1)) {
    buffer_position_ += sizeof kUtf8Bom - 1;
    encoding_ = Encoding::kUtf8;
  } else if (buffer_starts_with(kUtf16LeBom, sizeof kUtf16LeBom - 1)) {
    buffer_position_ += sizeof kUtf16LeBom - 1;
    encoding_ = Encoding::kUtf16Le;
  } else if (buffer_starts_with(kUtf16BeBom, sizeof kUtf16BeBom - 1)) {
    buffer_position_ += sizeof kUtf16BeBom - 1;
    encoding_ = Encoding::kUtf16Be;
  } else {
    encoding_ = Encoding::kUtf8OrAnsi;
  }
}

std::optional<std::string> SettingsReader::ReadValue() {
  if (encoding_ == Encoding::kNotYetKnown) DetectEncoding();
  bytes_in_this_read_ = 0;

  std::optional<char16_t> unit = NextUnit();
  // The LF of a CR LF is looked for only now, so that ending a value never reads ahead.
  if (line_feed_may_follow_) {
    line_feed_may_follow_ = false;
    if (unit == kLineFeed) unit = NextUnit();
  }
  while (unit && IsBlank(*unit)) unit = NextUnit();
  if (!unit) return std::nullopt;

  std::string value;
  if (*unit == kQuote) {
    ReadQuotedRest(value);
  } else {
    ReadUnquoted(*unit, value);
  }
  if (stopped_) return std::nullopt;
  return value;
}

void SettingsReader::ReadQuotedRest(std::string& value) {
  std::optional<char16_t> unit = NextUnit();
  while (unit && *unit != kQuote) {
    Append(value, *unit);
    unit = NextUnit();
  }
  SkipToDelimiter();
}

void SettingsReader::ReadUnquoted(char16_t first, std::string& value) {
  std::size_t length_without_trailing_blanks = 0;
  std::optional<char16_t> unit = first;
  while (unit && !IsDelimiter(*unit)) {
    Append(value, *unit);
    if (!IsBlank(*unit)) length_without_trailing_blanks = value.size();
    unit = NextUnit();
  }
  line_feed_may_follow_ = unit == kCarriageReturn;
  value.resize(length_without_trailing_blanks);
}

void SettingsReader::SkipToDelimiter() {
  std::optional<char16_t> unit = NextUnit();
  while (unit && !IsDelimiter(*unit)) unit = NextUnit();
  line_feed_may_follow_ = unit == kCarriageReturn;
}

bool SettingsReader::IsUtf16() const {
  return encoding_ == Encoding::kUtf16Le || encoding_ == Encoding::kUtf16Be;
}

// The unit's bytes in the file's order.
void SettingsReader::Append(std::string& value, char16_t unit) const {
  const char low = static_cast<char>(unit & 0xFF);
  const char high = static_cast<char>(unit >> 8);
  if (encoding_ == Encoding::kUtf16Be) value.push_back(high);
  value.push_back(low);
  if (encoding_ == Encoding::kUtf16Le) value.push_back(high);
}

// Without a BOM the file may be UTF-8 or in the system code page. Only the values read so
// far are known (the rest of the file is never read), so each value is judged by itself:
// well-formed UTF-8, which includes plain ASCII, is taken as UTF-8, anything else is given
// to the code page. After a UTF-8 BOM malformed bytes become U+FFFD instead.
std::wstring SettingsReader::Decode(const std::string& value) const {
  switch (encoding_) {
    case Encoding::kUtf16Le:
      return DecodeUtf16Le(value);
    case Encoding::kUtf16Be:
      return DecodeUtf16Be(value);
    case Encoding::kUtf8:
      return DecodeUtf8(value).text;
    case Encoding::kUtf8OrAnsi:
    case Encoding::kNotYetKnown:
      break;
  }
  Utf8Decoding utf8 = DecodeUtf8(value);
  if (utf8.well_formed) return std::move(utf8.text);
  return ansi_to_wide_(value);
}

std::optional<char16_t> SettingsReader::NextUnit() {
  // After a UTF-16 BOM an odd last byte is no unit and is ignored.
  const std::size_t width = IsUtf16() ? 2 : 1;
  if (stopped_) return std::nullopt;
  if (bytes_in_this_read_ + width > kMaxBytesPerRead) {
    stopped_ = true;
    return std::nullopt;
  }
  if (!Buffer(width)) return std::nullopt;
  bytes_in_this_read_ += width;

  const auto first = static_cast<unsigned char>(buffer_[buffer_position_++]);
  if (width == 1) return char16_t{first};
  const auto second = static_cast<unsigned char>(buffer_[buffer_position_++]);
  if (encoding_ == Encoding::kUtf16Be) return static_cast<char16_t>(first << 8 | second);
  return static_cast<char16_t>(first | second << 8);
}

bool SettingsReader::Buffer(std::size_t count) {
  while (buffer_end_ - buffer_position_ < count) {
    // A stream that has once reported its end (or a failure) is not asked again.
    if (stream_ended_) return false;
    const std::size_t unread = buffer_end_ - buffer_position_;
    std::memmove(buffer_.data(), buffer_.data() + buffer_position_, unread);
    buffer_position_ = 0;
    buffer_end_ = unread;
    const std::size_t received = stream_.Read(buffer_.data() + unread, buffer_.size() - unread);
    if (received == 0) {
      stream_ended_ = true;
      return false;
    }
    buffer_end_ += received;
  }
  return true;
}

}  // namespace launcher
