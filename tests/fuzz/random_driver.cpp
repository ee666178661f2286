// Stands in for libFuzzer where the compiler has none: feeds the fuzz target a fixed
// sequence of pseudo-random inputs, mostly made of the bytes that steer the reader.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main() {
  constexpr int kInputs = 20000;
  constexpr int kMaxInputBytes = 4096;
  const std::uint8_t steering[] = {',', '"', '\r', '\n', ' ', '\t', '-', '+', '0', '9',
                                   'a', 0x00, 0xEF, 0xBB, 0xBF, 0xFF, 0xFE, 0xC3, 0xA9, 0xD8};
  std::mt19937 random(20240517);
  std::uniform_int_distribution<int> length_of(0, kMaxInputBytes);
  std::uniform_int_distribution<std::size_t> pick(0, sizeof steering);
  std::uniform_int_distribution<int> any_byte(0, 255);
  std::vector<std::uint8_t> input;
  for (int count = 0; count < kInputs; ++count) {
    // Short inputs are the interesting ones; the square favours them.
    const int length = length_of(random) * length_of(random) / kMaxInputBytes;
    input.clear();
    for (int index = 0; index < length; ++index) {
      const std::size_t choice = pick(random);
      input.push_back(choice < sizeof steering ? steering[choice]
                                               : static_cast<std::uint8_t>(any_byte(random)));
    }
    LLVMFuzzerTestOneInput(input.data(), input.size());
  }
  std::printf("%d random inputs read\n", kInputs);
  return 0;
}
