// Reads the settings file's seven values from arbitrary bytes as start-up reads them, and
// then the rest of the input, once with the whole input in one read and once with the input
// trickling in a byte at a time; the two must agree.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "launcher/launch_settings.h"
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

// How many values were read, the fields as they stand afterwards, and every value after
// them: a read goes on after a failed one.
std::wstring ReadEverything(const std::uint8_t* data, std::size_t size, std::size_t piece) {
  InputStream stream(data, size, piece);
  launcher::SettingsReader reader(stream, Latin1);
  launcher::LaunchSettings settings;
  std::wstring shown = std::to_wstring(launcher::ReadLaunchSettings(reader, settings)) + L'\n';
  shown += settings.TargetFile + L'\n' + settings.DisplayName + L'\n' +
           settings.ExpectedChecksum + L'\n' + std::to_wstring(settings.LabelRed) + L'\n' +
           std::to_wstring(settings.LabelGreen) + L'\n' + std::to_wstring(settings.LabelBlue) +
           L'\n' + settings.SkinFlag + L'\n';
  std::wstring later;
  while (reader.ReadText(later)) shown += L"+" + later + L'\n';
  return shown;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::size_t whole = size + 1;
  if (ReadEverything(data, size, whole) != ReadEverything(data, size, 1)) std::abort();
  return 0;
}
