#include "md5sum/file_digest.h"

#include <windows.h>

#include "base/win32/handles.h"
#include "md5sum/file_to_read.h"
#include "md5sum/md5_hash.h"
#include "md5sum/percent_read.h"
#include "md5sum/system_message.h"

namespace md5sum {

namespace {

// Large enough that a file of several GB takes few system calls (under Wine, 1 MiB
// reads of a big file cost twice the time of the digest itself), small enough that a
// cancel is noticed at once.
constexpr DWORD kChunkBytes = 4 << 20;

FileDigest Failure(std::wstring error) { return FileDigest{false, {}, std::move(error)}; }

FileDigest SystemFailure() { return Failure(SystemMessage(::GetLastError())); }

std::wstring LowerCaseHex(const Md5Digest& digest) {
  static constexpr wchar_t kDigits[] = L"0123456789abcdef";
  std::wstring hex;
  for (const unsigned char byte : digest) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0x0F];
  }
  return hex;
}

}  // namespace

ReadBuffer::ReadBuffer() : bytes_(kChunkBytes) {}

FileDigest DigestFile(const std::wstring& name, ReadBuffer& buffer, const std::atomic<bool>& cancel,
                      const DigestProgress& progress) {
  FileToRead opened = OpenFileToRead(name);
  if (!opened.file) return Failure(std::move(opened.error));
  const base::win32::ScopedCloseHandle file = std::move(opened.file);
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size)) return SystemFailure();

  std::optional<Md5Hash> hash = Md5Hash::Create();
  if (!hash) return Failure(L"The system offers no MD5 (bcrypt.dll).");

  unsigned long long done = 0;
  int reported = -1;
  for (;;) {
    if (cancel.load()) return Failure(L"Cancelled.");
    DWORD read = 0;
    if (!::ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) {
      return SystemFailure();
    }
    if (read == 0) break;
    if (!hash->Update(buffer.data(), read)) return Failure(L"The system's MD5 failed.");
    done += read;
    const int percent = PercentRead(done, static_cast<unsigned long long>(size.QuadPart));
    if (percent != reported) {
      reported = percent;
      progress(percent);
    }
  }
  const std::optional<Md5Digest> digest = hash->Finish();
  if (!digest) return Failure(L"The system's MD5 failed.");
  return FileDigest{true, LowerCaseHex(*digest), {}};
}

}  // namespace md5sum
