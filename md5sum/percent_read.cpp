#include "md5sum/percent_read.h"

namespace md5sum {

int PercentRead(std::uint64_t done, std::uint64_t size) {
  if (done >= size) return 100;
  // In 128 bits, since the hundredfold of a size beyond some 184 PB passes 64.
  return static_cast<int>(static_cast<unsigned __int128>(done) * 100 / size);
}

}  // namespace md5sum
