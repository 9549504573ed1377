#include "progress/list_count.h"

namespace quorlin {

int CountListElements(std::string_view value, char separator) {
  int count = 0;
  bool open = false;  // text has begun since the last separator
  for (std::size_t at = 0; at < value.size(); ++at) {
    if (static_cast<unsigned char>(value[at]) >= 0x80) {
      ++at;  // the second byte of a double-byte character is never a separator
      open = true;
    } else if (value[at] == separator) {
      ++count;
      open = false;
    } else {
      open = true;
    }
  }
  return open ? count + 1 : count;
}

}  // namespace quorlin
