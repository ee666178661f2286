// Reads the settings file's seven values from arbitrary bytes, once with the whole input
// in one read and once with the input trickling in a byte at a time; the two must agree.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "launcher/settings_reader.h"

namespace {

class InputStream : public runtime::ByteStream {
 public:
  InputStream(const std::uint8_t* data, std::size_t size, std::size_t piece)
      : data_(data), size_(size), piece_(piece) {}

  std::size_t Read(char* buffer, std::size_t size) override {
    std::size_t count = size < piece_ ? size : piece_;
    if (count > size_ - position_) count = size_ - position_;
    for (std::size_t index = 0; index < count; ++index) {
      buffer[index] = static_cast<char>(data_[position_ + index]);
    }
    position_ += count;
    return count;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t piece_;
  std::size_t position_ = 0;
};

std::wstring Latin1(const std::string& bytes) {
  std::wstring text;
  for (char byte : bytes) text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
  return text;
}

// Each read's result, and the field as it stands afterwards.
std::wstring ReadSevenValues(const std::uint8_t* data, std::size_t size, std::size_t piece) {
  InputStream stream(data, size, piece);
  launcher::SettingsReader reader(stream, Latin1);
  std::wstring shown;
  const auto read_text = [&] {
    std::wstring field = L"before";
    shown += reader.ReadText(field) ? L"+" : L"-";
    shown += field + L'\n';
  };
  const auto read_integer = [&] {
    std::int16_t field = 1234;
    shown += reader.ReadInteger(field) ? L"+" : L"-";
    shown += std::to_wstring(field) + L'\n';
  };
  read_text();
  read_text();
  read_text();
  read_integer();
  read_integer();
  read_integer();
  read_text();
  return shown;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::size_t whole = size + 1;
  if (ReadSevenValues(data, size, whole) != ReadSevenValues(data, size, 1)) std::abort();
  return 0;
}
