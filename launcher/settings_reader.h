#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "runtime/platform.h"

namespace launcher {

// Reads the settings file's values one at a time, the way the runtime's sequential input of
// delimited values does; it reads only as far into the stream as the values asked for.
//
// A value ends at a comma or a line end (CR, LF, or CR LF as one). Blanks and tabs before a
// value are skipped; an unquoted value also loses its trailing blanks and tabs. A value that
// starts with a double quote runs to the next double quote, commas and line ends included,
// and whatever follows that quote up to the next delimiter is dropped. A value may run to
// the end of the file, but finding the end of the file before a value is a failing read; so
// "a," and "a\n" hold one value each, while "a,\n" holds "a" and an empty value.
//
// A failing read consumes what it read: a value that is not a number is skipped, and the
// next read goes on with the value after it.
class SettingsReader {
 public:
  using AnsiDecoder = std::function<std::wstring(const std::string&)>;  // the system code page
  SettingsReader(runtime::ByteStream& stream, AnsiDecoder ansi_to_wide);
  bool ReadText(std::wstring& field);      // false = failing read; field unchanged then
  bool ReadInteger(std::int16_t& field);   // false = failing read; field unchanged then

 private:
  enum class Encoding { kNotYetKnown, kUtf8OrAnsi, kUtf8, kUtf16Le, kUtf16Be };

  static constexpr std::size_t kChunkBytes = 4096;

  void DetectEncoding();
  bool IsUtf16() const;
  // The value's bytes as the file holds them, or nothing for a failing read.
  std::optional<std::string> ReadValue();
  void ReadQuotedRest(std::string& value);
  void ReadUnquoted(char16_t first, std::string& value);
  void SkipToDelimiter();
  void Append(std::string& value, char16_t unit) const;
  std::wstring Decode(const std::string& value) const;
  // A byte, or a UTF-16 unit after a UTF-16 BOM of either byte order; nothing at the end
  // of the file or once the current read has used up its allowance.
  std::optional<char16_t> NextUnit();
  // Whether `count` unread bytes are in the buffer, reading a chunk more if needed.
  bool Buffer(std::size_t count);

  runtime::ByteStream& stream_;
  AnsiDecoder ansi_to_wide_;
  Encoding encoding_ = Encoding::kNotYetKnown;
  std::array<char, kChunkBytes> buffer_{};
  std::size_t buffer_position_ = 0;
  std::size_t buffer_end_ = 0;
  bool stream_ended_ = false;
  bool line_feed_may_follow_ = false;  // the last value ended at a CR
  std::size_t bytes_in_this_read_ = 0;
  bool stopped_ = false;  // a read ran past its allowance; see kMaxBytesPerRead
};

}  // namespace launcher
