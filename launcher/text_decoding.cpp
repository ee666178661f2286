#include "launcher/text_decoding.h"

#include <cstddef>
#include <optional>

namespace launcher {

namespace {

struct Utf8Sequence {
  char32_t code_point;
  std::size_t length;
};

std::optional<Utf8Sequence> DecodeSequence(const std::string& bytes, std::size_t at) {
  const auto byte = [&bytes](std::size_t index) {
    return static_cast<unsigned char>(bytes[index]);
  };
  const unsigned lead = byte(at);
  if (lead < 0x80) return Utf8Sequence{lead, 1};

  // The allowed range of the second byte is narrower after some leads: that is what rules
  // out overlong forms, surrogates and code points past U+10FFFF.
  std::size_t length = 0;
  char32_t code_point = 0;
  unsigned second_low = 0x80;
  unsigned second_high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code_point = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code_point = lead & 0x0F;
    if (lead == 0xE0) second_low = 0xA0;
    if (lead == 0xED) second_high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code_point = lead & 0x07;
    if (lead == 0xF0) second_low = 0x90;
    if (lead == 0xF4) second_high = 0x8F;
  } else {
    return std::nullopt;
  }
  if (bytes.size() - at < length) return std::nullopt;

  unsigned low = second_low;
  unsigned high = second_high;
  for (std::size_t index = 1; index < length; ++index) {
    const unsigned continuation = byte(at + index);
    if (continuation < low || continuation > high) return std::nullopt;
    code_point = (code_point << 6) | (continuation & 0x3F);
    low = 0x80;
    high = 0xBF;
  }
  return Utf8Sequence{code_point, length};
}

void AppendUtf16(std::wstring& text, char32_t code_point) {
  if (code_point < 0x10000) {
    text.push_back(static_cast<wchar_t>(code_point));
    return;
  }
  const char32_t offset = code_point - 0x10000;
  text.push_back(static_cast<wchar_t>(0xD800 + (offset >> 10)));
  text.push_back(static_cast<wchar_t>(0xDC00 + (offset & 0x3FF)));
}

std::wstring DecodeUtf16(const std::string& bytes, std::size_t low_at, std::size_t high_at) {
  std::wstring text;
  for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
    const auto low = static_cast<unsigned char>(bytes[at + low_at]);
    const auto high = static_cast<unsigned char>(bytes[at + high_at]);
    text.push_back(static_cast<wchar_t>(low | high << 8));
  }
  return text;
}

}  // namespace

Utf8Decoding DecodeUtf8(const std::string& bytes) {
  Utf8Decoding decoding;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::optional<Utf8Sequence> sequence = DecodeSequence(bytes, at);
    if (sequence) {
      AppendUtf16(decoding.text, sequence->code_point);
      at += sequence->length;
    } else {
      decoding.text.push_back(L'\xFFFD');
      decoding.well_formed = false;
      ++at;
    }
  }
  return decoding;
}

std::wstring DecodeUtf16Le(const std::string& bytes) { return DecodeUtf16(bytes, 0, 1); }

std::wstring DecodeUtf16Be(const std::string& bytes) { return DecodeUtf16(bytes, 1, 0); }

}  // namespace launcher
