#include "md5sum/chosen_checksum.h"

namespace md5sum {

std::optional<std::size_t> FirstChecksum(std::size_t listed, const std::vector<bool>& read) {
  for (std::size_t index = 0; index < listed && index < read.size(); ++index) {
    if (read[index]) return index;
  }
  return std::nullopt;
}

std::optional<std::size_t> ChosenChecksum(long long caret_line, std::size_t listed,
                                          const std::vector<bool>& read) {
  if (caret_line >= 0) {
    const auto line = static_cast<unsigned long long>(caret_line);
    if (line < listed && line < read.size() && read[static_cast<std::size_t>(line)]) {
      return static_cast<std::size_t>(line);
    }
  }
  return FirstChecksum(listed, read);
}

}  // namespace md5sum
