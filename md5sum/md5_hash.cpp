#include "md5sum/md5_hash.h"

#include <limits>

#include "md5sum/system_cng.h"

namespace md5sum {

namespace {

bool Succeeded(NTSTATUS status) { return status >= 0; }

}  // namespace

// A handle exists only once the functions were found, so these find them there.
void CloseAlgorithmProviderTraits::Release(BCRYPT_ALG_HANDLE algorithm) noexcept {
  SystemCng()->close_algorithm_provider(algorithm, 0);
}

void DestroyHashTraits::Release(BCRYPT_HASH_HANDLE hash) noexcept {
  SystemCng()->destroy_hash(hash);
}

std::optional<Md5Hash> Md5Hash::Create() {
  const CngFunctions* cng = SystemCng();
  if (cng == nullptr) return std::nullopt;
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  if (!Succeeded(cng->open_algorithm_provider(&algorithm, BCRYPT_MD5_ALGORITHM, nullptr, 0))) {
    return std::nullopt;
  }
  ScopedAlgorithmProvider scoped_algorithm(algorithm);
  // Since Windows 7 CNG keeps the hash object itself when it is given no buffer.
  BCRYPT_HASH_HANDLE hash = nullptr;
  if (!Succeeded(cng->create_hash(algorithm, &hash, nullptr, 0, nullptr, 0, 0))) {
    return std::nullopt;
  }
  return Md5Hash(*cng, std::move(scoped_algorithm), ScopedHash(hash));
}

bool Md5Hash::Update(const unsigned char* data, std::size_t size) {
  while (size > 0) {
    const ULONG part = static_cast<ULONG>(
        size < std::numeric_limits<ULONG>::max() ? size : std::numeric_limits<ULONG>::max());
    // CNG only reads the input, though its parameter is not const.
    if (!Succeeded(cng_->hash_data(hash_.get(), const_cast<PUCHAR>(data), part, 0))) return false;
    data += part;
    size -= part;
  }
  return true;
}

std::optional<Md5Digest> Md5Hash::Finish() {
  Md5Digest digest{};
  if (!Succeeded(
          cng_->finish_hash(hash_.get(), digest.data(), static_cast<ULONG>(digest.size()), 0))) {
    return std::nullopt;
  }
  return digest;
}

}  // namespace md5sum
