#include "store/stored_text.h"

#include <algorithm>

namespace tovik {

SharedBytes SharedBytes::CopyOf(std::string_view bytes) {
  std::shared_ptr<char[]> data(new char[bytes.size()]);
  std::copy(bytes.begin(), bytes.end(), data.get());
  return {std::move(data), bytes.size()};
}

}  // namespace tovik
