#pragma once

#include <string>

namespace launcher {

// Text is held as UTF-16 code units even where wchar_t is 32 bits wide, so that characters
// outside the Basic Multilingual Plane become surrogate pairs on every platform alike.

struct Utf8Decoding {
  std::wstring text;  // each byte that starts no well-formed sequence became U+FFFD
  bool well_formed = true;
};

// Overlong forms, encoded surrogates and code points past U+10FFFF are not well formed.
Utf8Decoding DecodeUtf8(const std::string& bytes);

// Pairs of bytes, low byte first (Le) or high byte first (Be); an odd last byte is dropped.
// Unpaired surrogates are kept as they are: the result holds UTF-16 units, and keeping them
// loses nothing of what the file said.
std::wstring DecodeUtf16Le(const std::string& bytes);
std::wstring DecodeUtf16Be(const std::string& bytes);

}  // namespace launcher
