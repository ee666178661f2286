#include "md5sum/percent_read.h"

namespace md5sum {

namespace {

constexpr int kWhole = 100;

}  // namespace

int PercentRead(std::uint64_t done, std::uint64_t size) {
  if (done >= size) return kWhole;
  // done * 100 / size, without the product, which passes 64 bits once a file is beyond
  // some 184 PB: done is added a hundred times, the sum kept below size by counting each
  // time it reaches size.
  int percent = 0;
  std::uint64_t rest = 0;  // below size, as is done
  for (int step = 0; step < kWhole; ++step) {
    // rest + done reaches size, asked without the sum, which could pass 64 bits too.
    if (rest >= size - done) {
      rest -= size - done;
      ++percent;
    } else {
      rest += done;
    }
  }
  return percent;
}

}  // namespace md5sum
