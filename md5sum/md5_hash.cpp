#include "md5sum/md5_hash.h"

#include <limits>

namespace {

bool Succeeded(NTSTATUS status) { return status >= 0; }

}  // namespace

std::optional<Md5Hash> Md5Hash::Create() {
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  if (!Succeeded(::BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_MD5_ALGORITHM, nullptr, 0))) {
    return std::nullopt;
  }
  ScopedAlgorithmProvider scoped_algorithm(algorithm);
  // Since Windows 7 CNG keeps the hash object itself when it is given no buffer.
  BCRYPT_HASH_HANDLE hash = nullptr;
  if (!Succeeded(::BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0))) {
    return std::nullopt;
  }
  return Md5Hash(std::move(scoped_algorithm), ScopedHash(hash));
}

bool Md5Hash::Update(const unsigned char* data, std::size_t size) {
  while (size > 0) {
    const ULONG part = static_cast<ULONG>(
        size < std::numeric_limits<ULONG>::max() ? size : std::numeric_limits<ULONG>::max());
    // CNG only reads the input, though its parameter is not const.
    if (!Succeeded(::BCryptHashData(hash_.get(), const_cast<PUCHAR>(data), part, 0))) return false;
    data += part;
    size -= part;
  }
  return true;
}

std::optional<Md5Digest> Md5Hash::Finish() {
  Md5Digest digest{};
  if (!Succeeded(
          ::BCryptFinishHash(hash_.get(), digest.data(), static_cast<ULONG>(digest.size()), 0))) {
    return std::nullopt;
  }
  return digest;
}
