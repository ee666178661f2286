#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The MD5 message digest of RFC 1321, fed in pieces of any size.
class Md5 {
 public:
  void Update(const unsigned char* data, std::size_t size);
  // 32 lowercase hex digits. Ends the message: call it once, after the last Update.
  std::string HexDigest();

 private:
  void ProcessBlock(const unsigned char* block);

  std::array<std::uint32_t, 4> state_{0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};
  std::array<unsigned char, 64> pending_{};
  std::size_t pending_size_ = 0;
  std::uint64_t message_size_ = 0;
};
