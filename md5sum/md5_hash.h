#pragma once

#include <windows.h>
#include <bcrypt.h>

#include <array>
#include <cstddef>
#include <optional>
#include <utility>

#include "base/win32/handles.h"
#include "md5sum/system_cng.h"

namespace md5sum {

struct CloseAlgorithmProviderTraits {
  static bool IsValid(BCRYPT_ALG_HANDLE algorithm) noexcept { return algorithm != nullptr; }
  static void Release(BCRYPT_ALG_HANDLE algorithm) noexcept;
};
using ScopedAlgorithmProvider =
    base::win32::ScopedHandle<BCRYPT_ALG_HANDLE, CloseAlgorithmProviderTraits>;

struct DestroyHashTraits {
  static bool IsValid(BCRYPT_HASH_HANDLE hash) noexcept { return hash != nullptr; }
  static void Release(BCRYPT_HASH_HANDLE hash) noexcept;
};
using ScopedHash = base::win32::ScopedHandle<BCRYPT_HASH_HANDLE, DestroyHashTraits>;

using Md5Digest = std::array<unsigned char, 16>;

// An MD5 digest computed by the system's cryptography (CNG, bcrypt.dll from the system
// folder).
class Md5Hash {
 public:
  // Empty when the system offers no MD5, or no bcrypt.dll in its folder.
  static std::optional<Md5Hash> Create();

  bool Update(const unsigned char* data, std::size_t size);
  // The digest of everything given to Update; the hash is used up afterwards.
  std::optional<Md5Digest> Finish();

 private:
  Md5Hash(const CngFunctions& cng, ScopedAlgorithmProvider algorithm, ScopedHash hash)
      : cng_(&cng), algorithm_(std::move(algorithm)), hash_(std::move(hash)) {}

  const CngFunctions* cng_;
  ScopedAlgorithmProvider algorithm_;
  ScopedHash hash_;
};

}  // namespace md5sum
